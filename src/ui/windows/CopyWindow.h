#pragma once
// "kopie souboru:": copies chosen competition results from one directory to
// another (a diskette in its day). Drives are the mounted volumes here.

#include "results/CompetitionCopy.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QPushButton;
class QTreeView;

namespace tumbla {

class Messages;

class CopyWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CopyWindow(Messages& messages, QWidget* parent = nullptr);
    ~CopyWindow() override;

    // Tests copy through a copier of their own.
    void setCopier(FileCopier* copier) { copier_ = copier; }
    // The first showing starts in the directory the program was started in.
    void setStartDirectory(const QString& directory);

    // Modal; the chosen drives and directories stay for the next showing.
    void execCopy();

    void setSourceDirectory(const QString& directory);
    void setDestinationDirectory(const QString& directory);
    // A new destination drive; one that cannot be read is refused with a message.
    bool chooseDestinationDrive(const QString& root);
    QString sourceDirectory() const { return source_; }
    QString destinationDirectory() const { return destination_; }
    QStringList listedFiles() const;
    void selectFiles(const QStringList& names);
    int copySelected(); // the copy button

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void build();
    void refreshFiles();
    void fillDrives(QComboBox* box, const QString& current);

    Messages& messages_;
    PlainFileCopier plainCopier_;
    FileCopier* copier_ = &plainCopier_;
    QString source_;
    QString destination_;
    QString destinationShown_; // the folder the right-hand tree is opened at
    bool started_ = false;

    QFileSystemModel* sourceModel_ = nullptr;
    QFileSystemModel* destinationModel_ = nullptr;
    QComboBox* sourceDrives_ = nullptr;
    QComboBox* destinationDrives_ = nullptr;
    QTreeView* sourceTree_ = nullptr;
    QTreeView* destinationTree_ = nullptr;
    QListWidget* files_ = nullptr;
    QPushButton* copy_ = nullptr;
};

} // namespace tumbla
