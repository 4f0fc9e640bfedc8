#include "ui/platform/MessageBoxes.h"

#include "ui/platform/Utf8.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

#include <algorithm>

namespace tumbla {

namespace {

std::deque<Answer>& QueuedAnswers() {
    static std::deque<Answer> answers;
    return answers;
}
std::deque<std::optional<std::string>>& QueuedPaths() {
    static std::deque<std::optional<std::string>> paths;
    return paths;
}
std::deque<std::string>& ShownTexts() {
    static std::deque<std::string> texts;
    return texts;
}
bool& AutoAnswer() {
    static bool on = false;
    return on;
}

enum Kind { Plain, Error, Warning, Information, Question };

} // namespace

void MessageBoxes::setNextAnswer(Answer answer) {
    QueuedAnswers().push_back(answer);
}
void MessageBoxes::setAutoAnswer(bool on) {
    AutoAnswer() = on;
}
std::deque<std::string> MessageBoxes::takeShownTexts() {
    std::deque<std::string> texts;
    texts.swap(ShownTexts());
    return texts;
}

void MessageBoxes::showPlain(std::string_view text) {
    show(Plain, text, false, false);
}
void MessageBoxes::showError(std::string_view text) {
    show(Error, text, false, false);
}
void MessageBoxes::showWarning(std::string_view text) {
    show(Warning, text, false, false);
}
void MessageBoxes::showInformation(std::string_view text) {
    show(Information, text, false, false);
}
Answer MessageBoxes::askConfirmation(std::string_view text, bool withCancel) {
    return show(Question, text, true, withCancel);
}
Answer MessageBoxes::askError(std::string_view text) {
    return show(Error, text, false, true);
}

Answer MessageBoxes::show(int kind, std::string_view text, bool question, bool withCancel) {
    if (!QueuedAnswers().empty()) {
        const Answer answer = QueuedAnswers().front();
        QueuedAnswers().pop_front();
        ShownTexts().emplace_back(text);
        return answer;
    }
    if (AutoAnswer()) {
        ShownTexts().emplace_back(text);
        return question ? Answer::Yes : Answer::Ok;
    }

    QMessageBox box(parent_);
    box.setWindowTitle(QStringLiteral("Tumbla"));
    box.setText(Utf8(text));
    // A text of several lines is broken where its author broke it, not again
    // wherever the box's usual width runs out: the text's own width is the
    // least the box may take, up to the box's own limit.
    if (text.find('\n') != std::string_view::npos)
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            label->setWordWrap(false);
            const int widest = label->sizeHint().width();
            const QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen();
            const int room = screen ? screen->availableGeometry().width() : 1024;
            label->setMinimumWidth(
                std::min(widest, room > 1024 ? std::min(room - 480, 1000) : room - 40));
        }
    switch (kind) {
    case Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (question) {
        box.setStandardButtons(withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                          : QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ano"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Ne"));
    } else {
        box.setStandardButtons(withCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                          : QMessageBox::Ok);
    }
    if (withCancel) box.button(QMessageBox::Cancel)->setText(QStringLiteral("Storno"));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return question ? Answer::Cancel : Answer::Ok;
    }
}

QString DialogFilter(const std::string& filter) {
    // Pairs of description and pattern. The dialog reads the patterns from the
    // parentheses at the end of what it shows, so a description that names
    // its patterns already gets them there once, in the dialog's spelling.
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    if (parts.size() < 2)
        return QString::fromStdString(filter).replace(QLatin1Char(';'), QLatin1Char(' '));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString description = parts[i];
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('(')))
            description.truncate(description.lastIndexOf(QLatin1Char('(')));
        else
            description += QLatin1Char(' ');
        filters << description + QLatin1Char('(') + pattern + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

void FileDialogs::setNextPath(std::optional<std::string> path) {
    QueuedPaths().push_back(std::move(path));
}

std::optional<std::string> FileDialogs::chooseOpen(const FileDialogRequest& request) {
    return choose(request, false);
}
std::optional<std::string> FileDialogs::chooseSave(const FileDialogRequest& request) {
    return choose(request, true);
}

std::optional<std::string> FileDialogs::choose(const FileDialogRequest& request, bool save) {
    if (!QueuedPaths().empty()) {
        std::optional<std::string> path = QueuedPaths().front();
        QueuedPaths().pop_front();
        return path;
    }
    if (AutoAnswer()) return std::nullopt;

    QFileDialog dialog(parent_, QString::fromStdString(request.title),
                       QString::fromStdString(request.initialDirectory),
                       DialogFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The overwrite question is the game's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (!request.proposedName.empty())
        dialog.selectFile(QString::fromStdString(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

} // namespace tumbla
