#include "ui/windows/HallOfFameWindow.h"

#include "results/FameCommands.h"
#include "results/SettingsPanel.h"
#include "ui/platform/Utf8.h"
#include "ui/windows/HeadStrip.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QCollator>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace tumbla {

namespace {

constexpr const char* KeyMime = "application/x-tumbla-fame-key";

constexpr std::array<const char*, 10> DetailCaptions{
    "rozměr:",    "počet barev:", "žolík:",        "sklo:",      "skála:",
    "hodnocení:", "studny:",      "transformace:", "spojování:", "gravitace:"};

// A key label that can be dragged onto another one.
class KeyLabel : public QLabel {
  public:
    KeyLabel(std::size_t index, std::function<bool(std::size_t, std::size_t)> drop)
        : index_(index), drop_(std::move(drop)) {
        setAcceptDrops(true);
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Raised);
        setMinimumWidth(100);
        setToolTip(QStringLiteral("drag&drop můžete změnit pořadí klíčů"));
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        auto* drag = new QDrag(this);
        auto* mime = new QMimeData;
        mime->setData(KeyMime, QByteArray::number(static_cast<qulonglong>(index_)));
        mime->setText(text());
        drag->setMimeData(mime);
        drag->exec(Qt::MoveAction);
    }
    void dragEnterEvent(QDragEnterEvent* event) override {
        // Only a label with another caption takes the drop.
        if (event->mimeData()->hasFormat(KeyMime) && event->mimeData()->text() != text())
            event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override {
        bool ok = false;
        const auto from = event->mimeData()->data(KeyMime).toULongLong(&ok);
        if (ok && drop_(static_cast<std::size_t>(from), index_)) event->acceptProposedAction();
    }

  private:
    std::size_t index_;
    std::function<bool(std::size_t, std::size_t)> drop_;
};

} // namespace

// The rows of the listing, their texts made when the view asks for them.
class FameListModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(const FameListing* listing) {
        beginResetModel();
        listing_ = listing;
        cachedRow_ = -1;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || listing_ == nullptr ? 0 : static_cast<int>(listing_->size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(FameColumnCount);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || listing_ == nullptr || !index.isValid()) return {};
        // A view asks for the eight cells of a row one after another.
        if (index.row() != cachedRow_) {
            cached_ = listing_->row(static_cast<std::size_t>(index.row()));
            cachedRow_ = index.row();
        }
        return Utf8(cached_.texts[static_cast<std::size_t>(index.column())]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= static_cast<int>(FameColumnCount))
            return {};
        return Utf8(FameColumnCaptions[static_cast<std::size_t>(section)]);
    }

  private:
    const FameListing* listing_ = nullptr;
    mutable int cachedRow_ = -1;
    mutable FameRow cached_;
};

HallOfFameWindow::HallOfFameWindow(Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setWindowTitle(QStringLiteral("    přehled všech výsledků:"));
    HeadStrip::AttachTo(this);
    build();
}

void HallOfFameWindow::setProgramDirectory(const std::filesystem::path& directory) {
    directory_ = directory;
}

void HallOfFameWindow::build() {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    auto* choice = new QGroupBox(QStringLiteral(" výběr a řazení: "));
    auto* choiceLayout = new QHBoxLayout(choice);

    auto* order = new QGridLayout;
    order->addWidget(new QLabel(QStringLiteral("řazení:")), 0, 0, 1, 2);
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        order->addWidget(new QLabel(QStringLiteral("%1.").arg(row)), row, 0);
        keys_[i] =
            new KeyLabel(i, [this](std::size_t from, std::size_t to) { return dropKey(from, to); });
        order->addWidget(keys_[i], row, 1);
    }
    order->setRowStretch(6, 1);
    choiceLayout->addLayout(order);

    auto* details = new QGroupBox(QStringLiteral("zvolené nastavení:"));
    auto* grid = new QGridLayout(details);
    grid->addWidget(new QLabel(QStringLiteral("výběr:")), 0, 0, 1, 2);
    for (std::size_t i = 0; i < filters_.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid->addWidget(new QLabel(QStringLiteral("%1.").arg(row)), row, 0);
        filters_[i] = new QCheckBox;
        filters_[i]->setChecked(true);
        filters_[i]->setToolTip(QStringLiteral("do třídění se zahrnou jen zaškrtnuté položky"));
        connect(filters_[i], &QCheckBox::toggled, this, &HallOfFameWindow::readFilters);
        grid->addWidget(filters_[i], row, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(DetailCaptions[i])), row, 2);
        details_[i] = new QLabel;
        details_[i]->setMinimumWidth(110);
        grid->addWidget(details_[i], row, 3);
    }
    choiceLayout->addWidget(details);

    auto* commands = new QVBoxLayout;
    auto* toggle = new QPushButton(QStringLiteral("+/-"));
    toggle->setToolTip(QStringLiteral("přepni všechny přepínače"));
    auto* sort = new QPushButton(QStringLiteral("seřaď"));
    auto* take = new QPushButton(QStringLiteral("převezmi nastavení"));
    auto* remove = new QPushButton(QStringLiteral("zruš označenou položku"));
    auto* removeAll = new QPushButton(QStringLiteral("zruš vše"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setToolTip(QStringLiteral("návrat ke hře"));
    for (QPushButton* b : {toggle, sort, take, remove, removeAll, ok}) {
        b->setAutoDefault(false);
        commands->addWidget(b);
    }
    commands->insertStretch(2, 1);
    connect(toggle, &QPushButton::clicked, this, &HallOfFameWindow::toggleAllFilters);
    connect(sort, &QPushButton::clicked, this, &HallOfFameWindow::sortList);
    connect(take, &QPushButton::clicked, this, &HallOfFameWindow::takeOver);
    connect(remove, &QPushButton::clicked, this, &HallOfFameWindow::deleteSelected);
    connect(removeAll, &QPushButton::clicked, this, &HallOfFameWindow::deleteAll);
    connect(ok, &QPushButton::clicked, this, &QDialog::reject);
    choiceLayout->addLayout(commands);

    model_ = new FameListModel(this);
    list_ = new QTreeView;
    list_->setModel(model_);
    list_->setFont(fixed);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    int width = 24;
    for (std::size_t c = 0; c < FameColumnCount; ++c) {
        list_->setColumnWidth(static_cast<int>(c), FameColumnWidths[c]);
        width += FameColumnWidths[c];
    }
    list_->setMinimumSize(width, 260);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { showDetails(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(choice);
    layout->addWidget(list_, 1);
    showKeys();
}

void HallOfFameWindow::showKeys() {
    for (std::size_t i = 0; i < keys_.size(); ++i) keys_[i]->setText(Utf8(state_.captions[i]));
    for (std::size_t i = 0; i < filters_.size(); ++i) {
        const QSignalBlocker quiet(filters_[i]);
        filters_[i]->setChecked(state_.filters[i]);
    }
}

void HallOfFameWindow::readFilters() {
    for (std::size_t i = 0; i < filters_.size(); ++i) state_.filters[i] = filters_[i]->isChecked();
}

std::optional<GameSettings> HallOfFameWindow::execList() {
    prepare();
    exec();
    return taken_;
}

void HallOfFameWindow::prepare() {
    taken_.reset();
    showKeys();
    sortList();
}

void HallOfFameWindow::sortList() {
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const KeyCollation collation = [&collator](std::string_view a, std::string_view b) {
        // Keys mostly part in a run of digits (the points come first), where
        // every locale orders as the digits do; the collator, which is slow
        // for a long list, decides the rest.
        const auto [x, y] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
        if (x != a.end() && y != b.end() && *x >= '0' && *x <= '9' && *y >= '0' && *y <= '9')
            return *x < *y ? -1 : 1;
        return collator.compare(Utf8(a), Utf8(b));
    };
    model_->show(nullptr); // the view lets go of the old listing first
    listing_ = ListHallOfFame(HallOfFame(directory_), state_.keyOrder(), state_.filters, collation);
    model_->show(&listing_);
    if (!listing_.empty()) list_->setCurrentIndex(model_->index(0, 0));
    showDetails();
}

void HallOfFameWindow::toggleAllFilters() {
    state_.toggleAllFilters();
    showKeys();
}

bool HallOfFameWindow::dropKey(std::size_t dragged, std::size_t target) {
    if (!state_.dropKey(dragged, target)) return false;
    showKeys();
    return true;
}

void HallOfFameWindow::selectRow(int row) {
    if (row >= 0 && row < model_->rowCount()) list_->setCurrentIndex(model_->index(row, 0));
}

std::optional<FameSelection> HallOfFameWindow::selection() const {
    const int row = list_->currentIndex().row();
    if (row < 0 || static_cast<std::size_t>(row) >= listing_.size()) return std::nullopt;
    return listing_.selection(static_cast<std::size_t>(row));
}

std::optional<std::size_t> HallOfFameWindow::selectedRecord() const {
    const auto selected = selection();
    if (!selected) return std::nullopt;
    return selected->number;
}

void HallOfFameWindow::showDetails() {
    // The record as the list read it: the file is read once per opening.
    const auto selected = selection();
    if (!selected) return;
    const SettingsPanelTexts t = FameDetailTexts(UnpackFameRecord(selected->bytes).settings);
    const std::array<const std::string*, 10> texts{&t.size,  &t.colours, &t.joker, &t.glass,
                                                   &t.rocks, &t.rating,  &t.wells, &t.transformer,
                                                   &t.join,  &t.gravity};
    for (std::size_t i = 0; i < texts.size(); ++i) details_[i]->setText(Utf8(*texts[i]));
}

void HallOfFameWindow::takeOver() {
    taken_ = TakeOverSettings(HallOfFame(directory_), messages_, selection());
    if (!taken_) return;
    emit settingsTakenOver(*taken_);
    accept();
}

void HallOfFameWindow::deleteSelected() {
    if (DeleteSelectedResult(HallOfFame(directory_), messages_, iniWritable_, selection()))
        sortList();
}

void HallOfFameWindow::deleteAll() {
    if (DeleteAllResults(HallOfFame(directory_), messages_, iniWritable_) ==
        DeleteAllOutcome::Deleted) {
        sortList();
        reject();
    }
}

int HallOfFameWindow::rowCount() const {
    return model_->rowCount();
}

QString HallOfFameWindow::cellText(int row, int column) const {
    return model_->index(row, column).data().toString();
}

QString HallOfFameWindow::detailText(int index) const {
    return details_[static_cast<std::size_t>(index)]->text();
}

} // namespace tumbla
