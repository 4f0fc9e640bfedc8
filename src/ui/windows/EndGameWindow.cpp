#include "ui/windows/EndGameWindow.h"

#include "record/Game.h"
#include "results/FameDate.h"
#include "results/FinishedGameSave.h"
#include "results/SettingsPanel.h"
#include "ui/art/StonePictures.h"
#include "ui/platform/Utf8.h"
#include "ui/platform/WindowPlacement.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/windows/HeadStrip.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace tumbla {

namespace {

constexpr std::array<const char*, 11> DetailCaptions{
    "rozměr:", "počet barev:",  "žolík:",     "sklo:",      "skála:",        "hodnocení:",
    "studny:", "transformace:", "spojování:", "gravitace:", "číslo situace:"};

// The system's short date and long time of a moment. The long time format
// ends in the time zone, which says nothing here and cut the date off. A
// system without a locale of its own ("C") would show English month names
// in a Czech game: it gets the hall of fame's date and time instead.
QString SystemDateTime(const QDateTime& moment) {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C) return moment.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    QString time = locale.timeFormat(QLocale::LongFormat);
    time.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(moment.time(), time.trimmed());
}

QString SystemDateTime(double entered) {
    const FameDateTime t = FameDateTimeFromDate(entered);
    return SystemDateTime(
        QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second)));
}

// Stones of the game's own pictures, one after another in a row.
QPixmap StoneRow(int frame) {
    const int size = 24;
    QPixmap row(size * 6, size);
    row.fill(Qt::transparent);
    QPainter p(&row);
    for (int i = 0; i < 6; ++i) {
        const int colour = (i + frame) % 8 + 1;
        const int lift = (i == frame % 6) ? 0 : 4;
        p.drawPixmap(i * size, lift, StonePictures::stone(StonePictureIndex(0, colour), size - 4));
    }
    return row;
}

QPixmap HeadingPicture(int colour) {
    return StonePictures::stone(StonePictureIndex(2, colour), 40);
}

} // namespace

EndGameWindow::EndGameWindow(Messages& messages, FileChooser& chooser, QWidget* parent)
    : QDialog(parent), messages_(messages), chooser_(chooser) {
    HeadStrip::AttachTo(this);
    build();
}

EndGameWindow::~EndGameWindow() = default;

void EndGameWindow::setProgramDirectory(const std::filesystem::path& directory) {
    directory_ = directory;
}
void EndGameWindow::setGame(const Game* game) {
    game_ = game;
}
void EndGameWindow::setAbbreviation(const QString& abbreviation) {
    abbreviation_ = abbreviation;
}
void EndGameWindow::setSystemIdentity(const SystemIdentity* identity) {
    identity_ = identity;
}
void EndGameWindow::setSoundPlayer(SoundPlayer* player) {
    sound_ = player;
}

HallOfFame EndGameWindow::hall() const {
    return HallOfFame(directory_);
}

void EndGameWindow::build() {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    heading_ = new QLabel(QStringLiteral("konec hry !!! "));
    QFont big = heading_->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    heading_->setFont(big);
    heading_->setStyleSheet(QStringLiteral("color: #b00000"));
    headingPicture_ = new QLabel;
    headingPicture_->setPixmap(HeadingPicture(1));
    otherPicture_ = new QLabel;
    otherPicture_->setPixmap(HeadingPicture(5));
    points_ = new QLabel;
    points_->setFont(fixed);
    animation_ = new QLabel;
    animation_->setPixmap(StoneRow(0));
    animationTimer_ = new QTimer(this);
    animationTimer_->setInterval(150);
    connect(animationTimer_, &QTimer::timeout, this, &EndGameWindow::nextFrame);

    nameCaption_ = new QLabel(QStringLiteral("jméno:"));
    name_ = new QLabel;
    name_->setFont(fixed);
    name_->setMinimumWidth(260);

    auto* top = new QGridLayout;
    top->addWidget(headingPicture_, 0, 0, 2, 1);
    top->addWidget(otherPicture_, 0, 0, 2, 1);
    top->addWidget(heading_, 0, 1);
    top->addWidget(animation_, 0, 2, Qt::AlignRight);
    top->addWidget(points_, 1, 1, 1, 2);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameCaption_);
    nameRow->addWidget(name_, 1);

    auto* panel = new QGroupBox(QStringLiteral(" nastavení: "));
    auto* grid = new QGridLayout(panel);
    for (std::size_t i = 0; i < DetailCaptions.size(); ++i) {
        const int row = static_cast<int>(i);
        grid->addWidget(new QLabel(QString::fromUtf8(DetailCaptions[i])), row, 0);
        details_[i] = new QLabel;
        grid->addWidget(details_[i], row, 1);
    }
    // The switches stand beside the settings they compare.
    const std::array<int, 3> switchRows{8, 9, 10};
    for (std::size_t i = 0; i < switches_.size(); ++i) {
        switches_[i] = new QCheckBox;
        switches_[i]->setChecked(true);
        switches_[i]->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(switches_[i], switchRows[i], 2);
        connect(switches_[i], &QCheckBox::clicked, this, &EndGameWindow::switchClicked);
    }

    table_ = new QTableWidget(static_cast<int>(RankingSize), 4);
    table_->setFont(fixed);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    // The date column is as wide as the longest date and time need.
    const int dateWidth = QFontMetrics(fixed).horizontalAdvance(
                              SystemDateTime(QDateTime(QDate(2088, 12, 28), QTime(23, 58, 58)))) +
                          12;
    const std::array<int, 4> widths{22, 117, 83, std::max(153, dateWidth)};
    int tableWidth = 4;
    for (int c = 0; c < 4; ++c) {
        table_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
        tableWidth += widths[static_cast<std::size_t>(c)];
    }
    for (int r = 0; r < table_->rowCount(); ++r) {
        table_->setRowHeight(r, 18);
        for (int c = 0; c < 4; ++c) table_->setItem(r, c, new QTableWidgetItem);
    }
    table_->setFixedSize(tableWidth, 18 * table_->rowCount() + 4);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    save_ = new QPushButton(QStringLiteral("uložit"));
    save_->setToolTip(QStringLiteral("uložení ukončené hry"));
    saveKoru_ = new QPushButton(QStringLiteral("uložit pro KORU"));
    saveKoru_->setToolTip(
        QStringLiteral("uložení ukončené hry se jménem \nve tvaru pro soutěž KORUu "));
    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setToolTip(QStringLiteral("zápis do tabulky"));
    back_ = new QPushButton(QStringLiteral("návrat do hry"));
    analysis_ = new QPushButton(QStringLiteral("Rozbor hry"));
    analysis_->setToolTip(QStringLiteral("kde hra ztratila body: rádce projde každý tah"));
    for (QPushButton* b : {save_, saveKoru_, analysis_, ok_, back_}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(save_, &QPushButton::clicked, this, [this] { saveFinishedGame(); });
    connect(saveKoru_, &QPushButton::clicked, this, [this] { saveWithCompetitionName(); });
    connect(ok_, &QPushButton::clicked, this, &EndGameWindow::confirmWithOk);
    connect(back_, &QPushButton::clicked, this, &QDialog::reject);
    // Back to the game, whose window opens the analysis beside it.
    connect(analysis_, &QPushButton::clicked, this, [this] {
        reject();
        emit analysisRequested();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(saveKoru_);
    buttons->addWidget(analysis_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(back_);

    auto* middle = new QHBoxLayout;
    middle->addWidget(panel);
    middle->addWidget(table_, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(nameRow);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    setFocusPolicy(Qt::StrongFocus);
}

void EndGameWindow::prepare(EndGameMode mode) {
    const GameSettings settings = game_ ? game_->Settings() : GameSettings{};
    const std::int32_t total = game_ ? game_->Current().TotalScore : 0;
    session_.begin(mode, settings, total, hall());
    applyMode();
    // Every showing sounds the end, as long as sound is on.
    if (sound_ && settings.Zvuk != 0) {
        sound_->setSoundOn(true);
        sound_->play(SoundClip::EndOfGame);
    }
    fillPanel();
    fillTable();
    refreshName();
    if (mode == EndGameMode::End) {
        frame_ = 0;
        animationTimer_->start();
    }
}

void EndGameWindow::applyMode() {
    const bool end = session_.mode() == EndGameMode::End;
    for (QWidget* w :
         std::initializer_list<QWidget*>{heading_, headingPicture_, points_, animation_,
                                         nameCaption_, name_, save_, saveKoru_, analysis_, ok_}) {
        w->setVisible(end);
    }
    otherPicture_->setVisible(!end);
    setWindowTitle(end ? QString() : QStringLiteral("dosažené body k aktuální hře:"));
}

void EndGameWindow::setKeepInView(std::function<std::vector<QRect>()> keep) {
    keepInView_ = std::move(keep);
}

void EndGameWindow::placeBesideOwner() {
    // A stored or earlier place wins where it hides none of the final
    // position; the first showing keeps the board in view.
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner || !owner->screen()) return;
    const bool end = session_.mode() == EndGameMode::End;
    if (end && keepInView_) {
        adjustSize();
        const QSize outer = size() + (owner->frameGeometry().size() - owner->size());
        const std::vector<QRect> keep = keepInView_();
        const QRect here(pos(), outer);
        if (testAttribute(Qt::WA_Moved) &&
            std::none_of(keep.begin(), keep.end(),
                         [&](const QRect& r) { return here.intersects(r); }))
            return;
        move(PlaceClearOf(owner->frameGeometry(), outer, owner->screen()->availableGeometry(),
                          keep));
        return;
    }
    if (testAttribute(Qt::WA_Moved)) return;
    adjustSize();
    const QRect room = owner->screen()->availableGeometry();
    const QRect board = owner->frameGeometry();
    // The frame the window manager will add, as the owner has it.
    const QSize outer = size() + (board.size() - owner->size());
    QPoint at(board.right() + 1, board.top());
    if (at.x() + outer.width() > room.right() + 1) {
        at.setX(board.left() - outer.width());
        // No room on either side: as far to the side as the screen goes.
        if (at.x() < room.left()) at.setX(room.right() + 1 - outer.width());
    }
    at.setX(std::max(at.x(), room.left()));
    at.setY(
        std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
    move(at);
}

void EndGameWindow::execEndMode() {
    prepare(EndGameMode::End);
    placeBesideOwner();
    exec();
}

void EndGameWindow::execRankingMode() {
    prepare(EndGameMode::Ranking);
    placeBesideOwner();
    exec();
    // The next showing lays the window out for its own mode again.
    setWindowTitle(QString());
}

void EndGameWindow::fillPanel() {
    const GameSettings settings = game_ ? game_->Settings() : GameSettings{};
    const SettingsPanelTexts t = DescribeSettings(settings, EndGameGravityLetters);
    const std::array<const std::string*, 10> texts{&t.size,  &t.colours, &t.joker, &t.glass,
                                                   &t.rocks, &t.rating,  &t.wells, &t.transformer,
                                                   &t.join,  &t.gravity};
    for (std::size_t i = 0; i < texts.size(); ++i) details_[i]->setText(Utf8(*texts[i]));
    details_[10]->setText(QString::number(settings.BeginNumber));
    points_->setText(QStringLiteral("počet bodů: ") +
                     QStringLiteral("%1").arg(session_.totalScore(), 10));
}

void EndGameWindow::fillTable() {
    const auto rows = session_.rows();
    for (int r = 0; r < table_->rowCount(); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        std::array<QString, 4> texts;
        if (row) {
            texts = {Utf8(row->rank), Utf8(row->name), Utf8(row->points),
                     row->entered ? SystemDateTime(*row->entered)
                                  : SystemDateTime(QDateTime::currentDateTime())};
        }
        for (int c = 0; c < 4; ++c) table_->item(r, c)->setText(texts[static_cast<std::size_t>(c)]);
    }
}

void EndGameWindow::refreshName() {
    name_->setText(Utf8(session_.nameLabel()));
}

void EndGameWindow::switchClicked() {
    session_.setSwitches(
        {switches_[1]->isChecked(), switches_[0]->isChecked(), switches_[2]->isChecked()}, hall());
    fillTable();
    refreshName();
}

void EndGameWindow::confirmWithOk() {
    if (session_.confirmWithOk(hall(), messages_)) {
        fillTable();
        refreshName();
    }
}

std::optional<std::string> EndGameWindow::saveFinishedGame() {
    if (!game_) return std::nullopt;
    return SaveFinishedGame(*game_, chooser_, messages_, directory_.string());
}

std::optional<std::string> EndGameWindow::saveWithCompetitionName() {
    if (!game_) return std::nullopt;
    if (!identity_) {
        if (!ownIdentity_) ownIdentity_ = std::make_unique<LinuxSystemIdentity>();
        identity_ = ownIdentity_.get();
    }
    const QByteArray abbreviation = abbreviation_.toUtf8();
    return SaveWithCompetitionName(
        *game_, chooser_, messages_, directory_.string(),
        std::string_view(abbreviation.constData(), static_cast<std::size_t>(abbreviation.size())),
        *identity_);
}

void EndGameWindow::keyPressEvent(QKeyEvent* event) {
    // Esc closes on its release; Enter confirms the name rather than a button.
    switch (event->key()) {
    case Qt::Key_Escape:
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (session_.confirmWithEnter(hall(), messages_)) {
            fillTable();
            refreshName();
        }
        return;
    case Qt::Key_Backspace:
        session_.erase();
        break;
    default: {
        const QString text = event->text();
        if (!text.isEmpty() && text.at(0).isPrint()) {
            const QByteArray bytes = text.toUtf8();
            session_.type(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        } else {
            QDialog::keyPressEvent(event);
            return;
        }
    }
    }
}

void EndGameWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) refreshName();
    QDialog::keyReleaseEvent(event);
}

void EndGameWindow::done(int result) {
    animationTimer_->stop();
    QDialog::done(result);
}

void EndGameWindow::nextFrame() {
    ++frame_;
    animation_->setPixmap(StoneRow(frame_));
}

QString EndGameWindow::nameLabelText() const {
    return name_->text();
}
QString EndGameWindow::pointsText() const {
    return points_->text();
}
QString EndGameWindow::rowText(int row, int column) const {
    return table_->item(row, column)->text();
}
QString EndGameWindow::detailText(int index) const {
    return details_[static_cast<std::size_t>(index)]->text();
}
bool EndGameWindow::animationRunning() const {
    return animationTimer_->isActive();
}

} // namespace tumbla
