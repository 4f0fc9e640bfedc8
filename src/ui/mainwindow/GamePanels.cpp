#include "ui/mainwindow/GamePanels.h"

#include "engine/GameSettings.h"
#include "engine/Scoring.h"
#include "record/GameView.h"
#include "ui/art/BlankPixmap.h"
#include "ui/art/StonePictures.h"
#include "ui/art/ToolIcons.h"
#include "ui/mainwindow/AdviceFlow.h"
#include "ui/platform/Utf8.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tumbla {

namespace {

QLabel* ValueLabel(QWidget* parent, const QString& hint) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(64);
    label->setToolTip(hint);
    return label;
}

constexpr QSize LogoSize(140, 44);
constexpr QSize PileSize(120, 70);

// The "made together with Koru CD" logo, drawn.
QPixmap Logo(qreal dpr) {
    const QSize size = LogoSize;
    QPixmap pixmap = BlankPixmap(size, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0x3a, 0x5f, 0xa8));
    g.setColorAt(1, QColor(0x1d, 0x33, 0x66));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 8, 8);
    p.setBrush(QColor(0xe8, 0xe8, 0xf0));
    p.drawEllipse(QRectF(8, 8, 28, 28));
    p.setBrush(QColor(0x1d, 0x33, 0x66));
    p.drawEllipse(QRectF(19, 19, 6, 6));
    QFont font(QStringLiteral("Sans"));
    font.setBold(true);
    font.setPixelSize(16);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(42, 0, size.width() - 46, size.height()), Qt::AlignVCenter,
               QStringLiteral("Koru CD"));
    return pixmap;
}

// A small pile of stones of the first picture set, for the corner of the panel.
QPixmap Pile(qreal dpr) {
    const QSize size = PileSize;
    QPixmap pixmap = BlankPixmap(size, dpr);
    QPainter p(&pixmap);
    const int s = 22;
    const int rows[3] = {5, 4, 3};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < rows[r]; ++c) {
            const int colour = (r * 3 + c * 5) % 8 + 1;
            const int x = (size.width() - rows[r] * (s + 1)) / 2 + c * (s + 1);
            const int y = size.height() - (r + 1) * (s + 1);
            p.drawPixmap(x, y, StonePictures::stone(StonePictureIndex(0, colour), s, dpr));
        }
    }
    return pixmap;
}

// A text field as wide as the longest text it will show, so that its
// neighbours never move when its text changes.
void FitWidest(QLabel* label, const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(text));
    label->setFixedWidth(widest + 2 * label->frameWidth() + 2 * label->margin() + 8);
}

QPixmap IndicatorPixmap(PictureRef picture, qreal dpr) {
    return StonePictures::pixmap(picture, 22, dpr);
}

} // namespace

GamePanels::GamePanels(QWidget* parent, Game& game, std::function<void()> onHint) {
    // After the members: the panels fill their maps of fields.
    scorePanel_ = buildScorePanel(parent);
    indicatorPanel_ = buildIndicatorPanel(parent, game, std::move(onHint));
}

QWidget* GamePanels::buildScorePanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("scorePanel"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(10, 10, 10, 10);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    const struct {
        const char* name;
        QString caption;
        QString hint;
    } fields[] = {
        {"total", QStringLiteral("body celkem:"), QStringLiteral("aktuální bodový stav")},
        {"moves", QStringLiteral("posl. tah:"), QStringLiteral("pořadí právě prováděného tahu")},
        {"removed", QStringLiteral("kamenů:"), QStringLiteral("počet zrušených kamenů")},
        {"points", QStringLiteral("bodů:"), QStringLiteral("bodový zisk v tomto tahu")},
    };
    int row = 0;
    for (const auto& f : fields) {
        auto* caption = new QLabel(f.caption, panel);
        caption->setToolTip(f.hint);
        grid->addWidget(caption, row, 0);
        QLabel* value = ValueLabel(panel, f.hint);
        value->setObjectName(QLatin1String(f.name));
        labels_[QLatin1String(f.name)] = value;
        scoreValues_.push_back(value);
        grid->addWidget(value, row++, 1);
    }
    layout->addLayout(grid);
    layout->addSpacing(10);

    // The pictures and the fonts come in finishPanels(); the room is kept for them.
    auto* logo = new QLabel(panel);
    logo->setMinimumSize(LogoSize);
    logo->setAlignment(Qt::AlignCenter);
    logo->setToolTip(QStringLiteral("vytvořeno ve\nspolupráci s\n  Koru CD"));
    logo_ = logo;
    layout->addWidget(logo);
    layout->addSpacing(10);

    const struct {
        const char* name;
        QString caption;
        QString hint;
    } situation[] = {
        {"number", QStringLiteral("číslo situace:"),
         QStringLiteral("hodnota, z níž je vygenerována situace")},
        {"code", QStringLiteral("kód situace:"),
         QStringLiteral("kód aktuálního nastavení důležitých voleb")},
    };
    for (const auto& f : situation) {
        auto* caption = new QLabel(f.caption, panel);
        caption->setToolTip(f.hint);
        layout->addWidget(caption);
        auto* edit = new QLineEdit(panel);
        edit->setObjectName(QLatin1String(f.name));
        edit->setReadOnly(true);
        edit->setToolTip(f.hint);
        edit->setAlignment(Qt::AlignCenter);
        edits_[QLatin1String(f.name)] = edit;
        layout->addWidget(edit);
    }
    layout->addStretch(1);
    auto* pile = new QLabel(panel);
    pile->setMinimumSize(PileSize);
    pile->setAlignment(Qt::AlignCenter);
    pile_ = pile;
    layout->addWidget(pile);
    panel->setFixedWidth(200);
    return panel;
}

void GamePanels::finish(qreal dpr) {
    // Matching a font is a round of the font database each, and the pictures
    // need no one before the first paint.
    logo_->setPixmap(Logo(dpr));
    pile_->setPixmap(Pile(dpr));
    for (const auto& [name, edit] : edits_) {
        QFont mono = edit->font();
        mono.setFamily(QStringLiteral("Monospace"));
        mono.setStyleHint(QFont::TypeWriter);
        edit->setFont(mono);
    }
}

QWidget* GamePanels::buildIndicatorPanel(QWidget* parent, Game& game,
                                         std::function<void()> onHint) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("indicatorPanel"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->setSpacing(6);

    auto picture = [panel](const QString& hint) {
        auto* label = new QLabel(panel);
        label->setFixedSize(24, 24);
        label->setAlignment(Qt::AlignCenter);
        label->setToolTip(hint);
        return label;
    };
    const QString jokerHint = QStringLiteral("kámen, který je právě žolíkem");
    jokerLabel_ = new QLabel(QStringLiteral("žolík:"), panel);
    jokerLabel_->setToolTip(jokerHint);
    joker_ = picture(jokerHint);
    const QString glassHint = QStringLiteral("křehký  kámen, který se snadno rozbije");
    glassLabel_ = new QLabel(QStringLiteral("sklo:"), panel);
    glassLabel_->setToolTip(glassHint);
    glass_ = picture(glassHint);
    const QString joinHint = QStringLiteral(
        "směr, ve kterém se budou (s hlediska směru gravitace) spojovat sloupce nebo řádky");
    auto* joinLabel = new QLabel(QStringLiteral("spojování:"), panel);
    joinLabel->setToolTip(joinHint);
    join_ = picture(joinHint);
    for (QWidget* w : {static_cast<QWidget*>(jokerLabel_), static_cast<QWidget*>(joker_),
                       static_cast<QWidget*>(glassLabel_), static_cast<QWidget*>(glass_),
                       static_cast<QWidget*>(joinLabel), static_cast<QWidget*>(join_)})
        layout->addWidget(w);
    layout->addSpacing(10);

    auto* position = new QLabel(QStringLiteral("   "), panel);
    position->setObjectName(QStringLiteral("position"));
    position->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FitWidest(position, {QStringLiteral("pozice: 15/25 (5)")});
    position->setToolTip(QStringLiteral(
        "aktuální umístění kurzoru a\npřípadná hodnota kamene při\nprémiovém hodnocení kamenů"));
    labels_[QStringLiteral("position")] = position;
    layout->addWidget(position);

    auto* rating = new QLabel(panel);
    rating->setObjectName(QStringLiteral("rating"));
    rating->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QStringList ratings;
    for (const int mode : {0, 1, 2, 5, 6, 7}) {
        const std::string_view name = RatingName(mode);
        ratings << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    FitWidest(rating, ratings);
    rating->setToolTip(QStringLiteral("způsob hodnocení"));
    labels_[QStringLiteral("rating")] = rating;
    layout->addWidget(rating);

    marks_ = new QLabel(panel);
    marks_->setObjectName(QStringLiteral("marks"));
    marks_->setToolTip(QStringLiteral("počet zaznamenaných značek"));
    marks_->setAlignment(Qt::AlignCenter);
    FitWidest(marks_, {QStringLiteral("[100]")});
    marks_->setVisible(false);
    labels_[QStringLiteral("marks")] = marks_;
    layout->addWidget(marks_);

    auto* hintButton = new QToolButton(panel);
    hintButton->setObjectName(QStringLiteral("hint"));
    hintButton->setIcon(MakeToolIcon(ToolIcon::Hint));
    hintButton->setIconSize(QSize(20, 20));
    hintButton->setAutoRaise(true);
    QObject::connect(hintButton, &QToolButton::clicked, panel, std::move(onHint));
    layout->addWidget(hintButton);
    hintCounter_ = new QLabel(panel);
    hintCounter_->setObjectName(QStringLiteral("hintCounter"));
    FitWidest(hintCounter_, {QStringLiteral("999/999")});
    hintCounter_->setVisible(false);
    labels_[QStringLiteral("hintCounter")] = hintCounter_;
    layout->addWidget(hintCounter_);
    // Every control keeps its place whatever the others show: a hidden one
    // (the joker of a game without one, the marks counter before the first
    // mark) still holds its room, so a click lands where it did before.
    for (QWidget* control : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
    // The advisor's bar and text come and go in a slot of their own that
    // always holds room for the bar, so showing them never widens the window.
    auto* adviceSlot = new QWidget(panel);
    adviceSlot->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    adviceSlot->setMinimumWidth(AdviceFlow::ProgressWidth);
    auto* adviceRow = new QHBoxLayout(adviceSlot);
    adviceRow->setContentsMargins(0, 0, 0, 0);
    advice_ = new AdviceFlow(game, adviceSlot);
    adviceRow->addWidget(advice_->progressBar());
    adviceRow->addWidget(advice_->statusLabel(), 1);
    layout->addWidget(adviceSlot, 1);
    return panel;
}

void GamePanels::boldenScores() {
    for (QLabel* value : scoreValues_) {
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
    }
}

QString GamePanels::fieldText(const QString& name, bool windowShown) const {
    if (const auto it = labels_.find(name); it != labels_.end())
        return it->second->isVisible() || !windowShown ? it->second->text() : QString();
    if (const auto it = edits_.find(name); it != edits_.end()) return it->second->text();
    return {};
}

void GamePanels::showIndicators(const GameSettings& s, qreal dpr) {
    joker_->setPixmap(IndicatorPixmap(JokerIndicator(s), dpr));
    glass_->setPixmap(IndicatorPixmap(GlassIndicator(s), dpr));
    joker_->setVisible(s.Joly != 0);
    jokerLabel_->setVisible(s.Joly != 0);
    glass_->setVisible(s.Sklo != 0);
    glassLabel_->setVisible(s.Sklo != 0);
    join_->setPixmap(IndicatorPixmap(JoinIndicator(s), dpr));
    labels_.at(QStringLiteral("rating"))->setText(Utf8(RatingName(s.Rating)));
}

void GamePanels::showSituation(std::int32_t number, const QString& settingsCode) {
    showNumber(number);
    edits_.at(QStringLiteral("code"))->setText(settingsCode);
}

void GamePanels::showNumber(std::int32_t number) {
    edits_.at(QStringLiteral("number"))->setText(QString::number(number));
}

void GamePanels::showScoreFields(const ScoreFields& fields) {
    labels_.at(QStringLiteral("total"))->setText(Utf8(fields.total));
    labels_.at(QStringLiteral("removed"))->setText(Utf8(fields.removed));
    labels_.at(QStringLiteral("points"))->setText(Utf8(fields.points));
}

void GamePanels::showMoveCounter(int moves) {
    labels_.at(QStringLiteral("moves"))->setText(QString::number(moves));
}

void GamePanels::showMarks(int count, bool visible) {
    marks_->setText(QStringLiteral("[%1]").arg(count));
    marks_->setVisible(visible);
}

void GamePanels::showHintCounter(const QString& text) {
    hintCounter_->setText(text);
    hintCounter_->setVisible(true);
}

void GamePanels::hideHintCounter() {
    hintCounter_->setVisible(false);
}

void GamePanels::showPosition(Move cell, int rating, StoneCode code) {
    QLabel* position = labels_.at(QStringLiteral("position"));
    if (cell.row <= 0 || cell.col <= 0) {
        position->setText(QStringLiteral("   "));
        return;
    }
    QString suffix;
    if (rating >= 5 && rating <= 7 && code >= 1 && code <= 8)
        suffix = QStringLiteral(" (%1)").arg(PriceTable[code]);
    position->setText(QStringLiteral("pozice: %1/%2").arg(cell.row).arg(cell.col) + suffix);
}

} // namespace tumbla
