#include "ui/windows/CopyWindow.h"

#include "results/CompetitionName.h"
#include "situation/Ports.h"
#include "ui/windows/HeadStrip.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTreeView>

namespace tumbla {

namespace {

std::string Bytes(const QString& text) {
    return text.toUtf8().toStdString();
}

QTreeView* DirectoryTree(QFileSystemModel* model) {
    auto* tree = new QTreeView;
    tree->setModel(model);
    for (int c = 1; c < model->columnCount(); ++c) tree->hideColumn(c);
    tree->header()->hide();
    tree->setMinimumSize(220, 240);
    return tree;
}

QFileSystemModel* DirectoryModel(QObject* parent) {
    auto* model = new QFileSystemModel(parent);
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model->setRootPath(QDir::rootPath());
    return model;
}

// Hears the player's first click, wheel turn or key in a tree.
class TouchWatch : public QObject {
  public:
    explicit TouchWatch(QTreeView* tree) : QObject(tree) {
        tree->installEventFilter(this);
        tree->viewport()->installEventFilter(this);
        connect(tree->verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
                [this] { touched = true; });
    }
    bool touched = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        touched = touched || type == QEvent::MouseButtonPress || type == QEvent::Wheel ||
                  type == QEvent::KeyPress;
        return false;
    }
};

// The model reads folders in the background and sorts their rows in later:
// rows arriving above `folder` push it out of sight, so it is brought back
// into view as they come, until the player first touches the tree.
void KeepInView(QObject* owner, QTreeView* tree, QFileSystemModel* model, const QString* folder) {
    const auto* watch = new TouchWatch(tree);
    const auto reveal = [tree, model, folder, watch] {
        if (!watch->touched && !folder->isEmpty()) tree->scrollTo(model->index(*folder));
    };
    QObject::connect(model, &QFileSystemModel::directoryLoaded, owner, reveal);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, owner, reveal);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, owner, reveal);
}

} // namespace

CopyWindow::CopyWindow(Messages& messages, QWidget* parent) : QDialog(parent), messages_(messages) {
    setWindowTitle(QStringLiteral("kopie souboru:"));
    HeadStrip::AttachTo(this);
    build();
}

CopyWindow::~CopyWindow() = default;

void CopyWindow::build() {
    sourceModel_ = DirectoryModel(this);
    destinationModel_ = DirectoryModel(this);
    sourceDrives_ = new QComboBox;
    destinationDrives_ = new QComboBox;
    sourceTree_ = DirectoryTree(sourceModel_);
    destinationTree_ = DirectoryTree(destinationModel_);
    files_ = new QListWidget;
    files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    files_->setMinimumWidth(240);
    copy_ = new QPushButton(QStringLiteral(">>"));
    copy_->setToolTip(QStringLiteral("kopie souboru"));
    copy_->setAutoDefault(false);

    connect(sourceTree_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        setSourceDirectory(sourceModel_->filePath(index));
    });
    connect(destinationTree_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        destination_ = destinationModel_->filePath(index);
        destinationShown_ = destination_;
    });
    KeepInView(this, sourceTree_, sourceModel_, &source_);
    KeepInView(this, destinationTree_, destinationModel_, &destinationShown_);
    connect(sourceDrives_, &QComboBox::activated, this,
            [this](int i) { setSourceDirectory(sourceDrives_->itemData(i).toString()); });
    connect(destinationDrives_, &QComboBox::activated, this,
            [this](int i) { chooseDestinationDrive(destinationDrives_->itemData(i).toString()); });
    connect(copy_, &QPushButton::clicked, this, [this] { copySelected(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(sourceDrives_, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("soubory ve tvaru pro KORU:")), 0, 1);
    grid->addWidget(destinationDrives_, 0, 3);
    grid->addWidget(sourceTree_, 1, 0);
    grid->addWidget(files_, 1, 1);
    grid->addWidget(copy_, 1, 2, Qt::AlignVCenter);
    grid->addWidget(destinationTree_, 1, 3);
}

void CopyWindow::fillDrives(QComboBox* box, const QString& current) {
    const QSignalBlocker quiet(box);
    box->clear();
    int chosen = -1;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        box->addItem(root, root);
        if (current.startsWith(root) &&
            (chosen < 0 || root.size() > box->itemData(chosen).toString().size()))
            chosen = box->count() - 1;
    }
    if (chosen >= 0) box->setCurrentIndex(chosen);
}

void CopyWindow::setStartDirectory(const QString& directory) {
    if (started_) return;
    started_ = true;
    setSourceDirectory(directory);
    // The destination is the player's to choose: its tree opens where the
    // files are, with no folder chosen, so that ">>" says so until one is.
    const QString clean = QDir::cleanPath(directory);
    fillDrives(destinationDrives_, clean);
    destinationShown_ = clean;
    destinationTree_->scrollTo(destinationModel_->index(clean));
}

void CopyWindow::execCopy() {
    if (!started_) setStartDirectory(QDir::currentPath());
    exec();
}

void CopyWindow::showEvent(QShowEvent* event) {
    // Results saved since the last showing belong in the list.
    if (started_) refreshFiles();
    QDialog::showEvent(event);
}

void CopyWindow::setSourceDirectory(const QString& directory) {
    started_ = true;
    source_ = QDir::cleanPath(directory);
    fillDrives(sourceDrives_, source_);
    const QModelIndex index = sourceModel_->index(source_);
    sourceTree_->setCurrentIndex(index);
    sourceTree_->scrollTo(index);
    refreshFiles();
}

void CopyWindow::setDestinationDirectory(const QString& directory) {
    started_ = true;
    destination_ = QDir::cleanPath(directory);
    destinationShown_ = destination_;
    fillDrives(destinationDrives_, destination_);
    const QModelIndex index = destinationModel_->index(destination_);
    destinationTree_->setCurrentIndex(index);
    destinationTree_->scrollTo(index);
}

bool CopyWindow::chooseDestinationDrive(const QString& root) {
    const QDir dir(root);
    if (!dir.exists() || !dir.isReadable()) {
        QString letter = QDir::toNativeSeparators(root);
        while (letter.endsWith(QLatin1Char('/')) || letter.endsWith(QLatin1Char(':')))
            letter.chop(1);
        if (letter.isEmpty()) letter = root;
        messages_.showError(DriveNotReadyText(Bytes(letter)));
        fillDrives(destinationDrives_, destination_); // back to the drive it had
        return false;
    }
    setDestinationDirectory(root);
    return true;
}

void CopyWindow::refreshFiles() {
    files_->clear();
    const QDir dir(source_);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        if (MatchesCompetitionPattern(Bytes(name))) files_->addItem(name);
    }
}

QStringList CopyWindow::listedFiles() const {
    QStringList names;
    for (int i = 0; i < files_->count(); ++i) names << files_->item(i)->text();
    return names;
}

void CopyWindow::selectFiles(const QStringList& names) {
    for (int i = 0; i < files_->count(); ++i)
        files_->item(i)->setSelected(names.contains(files_->item(i)->text()));
}

int CopyWindow::copySelected() {
    std::vector<std::string> selected;
    for (int i = 0; i < files_->count(); ++i) {
        if (files_->item(i)->isSelected()) selected.push_back(Bytes(files_->item(i)->text()));
    }
    return CopyCompetitionFiles(selected, Bytes(source_), Bytes(destination_), *copier_, messages_);
}

} // namespace tumbla
