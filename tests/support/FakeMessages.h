#pragma once
// The scripted player of the window tests and a screenshot helper.

#include "support/RecordingMessages.h"

#include <QDir>
#include <QWidget>

namespace tumbla::test {

// With TUMBLA_SHOTS set, keeps a picture of the window in that directory.
inline void KeepScreenshot(QWidget& window, const QString& name) {
    const QString dir = qEnvironmentVariable("TUMBLA_SHOTS");
    if (dir.isEmpty()) return;
    window.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace tumbla::test
