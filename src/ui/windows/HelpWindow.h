#pragma once
// The rules of the game, shown beside the game window (from "&Pravidla" and F1).

#include <QDialog>

class QTextBrowser;

namespace tumbla {

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // The shown document, for tests.
    QString plainText() const;

  private:
    QTextBrowser* browser_;
};

} // namespace tumbla
