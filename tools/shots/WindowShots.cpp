// The small dialogs as the docs show them, each on its own.

#include "record/MarksDialog.h"
#include "ui/dialogs/GoToPositionDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/SituationNumberDialog.h"
#include "ui/windows/MarksWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTextStream>

using namespace tumbla;

namespace {

void Keep(QWidget& window, const QDir& out, const QString& name) {
    const QString path = out.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) QTextStream(stderr) << "cannot write " << path << "\n";
}

} // namespace

void SaveWindowShots(const QDir& out) {
    SilentMessages messages;
    {
        GameSettings inForce;
        inForce.Count = 6;
        inForce.Joly = 2;
        inForce.Back = 0x008000;
        SettingsDialogState state;
        SettingsDialog form(state);
        form.open(inForce);
        form.premiumBox()->setChecked(true); // the prices under their stones
        form.show();
        const char* names[] = {"SettingsDialog",           "SettingsDialog-sady",
                               "SettingsDialog-hodnoceni", "SettingsDialog-prostredi",
                               "SettingsDialog-kod",       "SettingsDialog-KORU"};
        for (int tab = 0; tab < 6; ++tab) {
            form.tabs()->setCurrentIndex(tab);
            Keep(form, out, QString::fromUtf8(names[tab]));
        }
    }
    {
        SituationNumberDialog form(messages);
        form.numberField()->setText(QStringLiteral("12345"));
        form.show();
        Keep(form, out, QStringLiteral("SituationNumberDialog"));
    }
    {
        GoToPositionDialog form(messages);
        form.setLastPosition(37);
        form.show();
        Keep(form, out, QStringLiteral("GoToPositionDialog"));
    }
    {
        MarkStack stack;
        for (int position : {5, 12, 1000, 40}) stack.add(position);
        MarksDialog marks(stack, [](int k) { return k * 10; });
        MarksWindow form;
        form.setMarks(marks);
        form.show();
        form.list()->item(1)->setSelected(true);
        Keep(form, out, QStringLiteral("MarksWindow"));
    }
}
