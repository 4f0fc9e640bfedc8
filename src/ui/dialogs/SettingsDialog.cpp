#include "ui/dialogs/SettingsDialog.h"

#include "engine/Scoring.h"
#include "situation/SettingsCode.h"
#include "ui/art/ColourPictures.h"
#include "ui/art/ColourValue.h"
#include "ui/art/StonePictures.h"
#include "ui/windows/HeadStrip.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace tumbla {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The width of a colour's column on the "&sady" and "&hodnocení" tabs.
constexpr int ChoiceColumnWidth = 44;

// A titled group of exclusive choices with ids 0.. in the given columns.
QButtonGroup* Choices(QWidget* parent, QLayout* into, const char* title, const QStringList& texts,
                      int columns = 1) {
    auto* box = new QGroupBox(Text(title), parent);
    auto* grid = new QGridLayout(box);
    auto* group = new QButtonGroup(box);
    const int perColumn = (static_cast<int>(texts.size()) + columns - 1) / columns;
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts[i], box);
        group->addButton(button, i);
        grid->addWidget(button, i % perColumn, i / perColumn);
    }
    into->addWidget(box);
    return group;
}

void Check(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

// The toolkit's standard sixteen colours, in the settings' 0x00BBGGRR form.
const std::array<std::pair<const char*, std::int32_t>, 16> StandardColours{{
    {"černá", 0x000000},
    {"kaštanová", 0x000080},
    {"zelená", 0x008000},
    {"olivová", 0x008080},
    {"námořnická", 0x800000},
    {"purpurová", 0x800080},
    {"modrozelená", 0x808000},
    {"šedá", 0x808080},
    {"stříbrná", 0xC0C0C0},
    {"červená", 0x0000FF},
    {"limetková", 0x00FF00},
    {"žlutá", 0x00FFFF},
    {"modrá", 0xFF0000},
    {"fuchsiová", 0xFF00FF},
    {"azurová", 0xFFFF00},
    {"bílá", 0xFFFFFF},
}};

QPixmap Swatch(std::int32_t bgr) {
    QPixmap pixmap(16, 16);
    pixmap.fill(SettingsDialog::ColourOf(bgr));
    return pixmap;
}

QComboBox* ColourChooser(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (const auto& [name, bgr] : StandardColours)
        combo->addItem(QIcon(Swatch(bgr)), Text(name), bgr);
    return combo;
}

void ShowColour(QComboBox* combo, std::int32_t bgr) {
    int index = combo->findData(bgr);
    if (index < 0) {
        // A colour from the file that is not in the list keeps its own entry.
        combo->addItem(QIcon(Swatch(bgr)), QStringLiteral("$%1").arg(bgr, 6, 16, QLatin1Char('0')),
                       bgr);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

// The previews show the chosen set with the chosen special pictures.
std::array<QPixmap, 8> DialogPictures(const SettingsDialogState& d) {
    return ColourPictures(SettingsFromDialog(d, d.openingCopy), 32);
}

const char* const CodeHelp[] = {
    "",
    " RSBZGHJKP   kde",
    "",
    " R    počet řádků - (E- O) E=5, F=6,...",
    " S    počet sloupců - (J -Y) J=10, K=11,...",
    " B    počet barev (4 - 8)",
    " Z    pořadí kamene - žolíka (0 - B) ",
    " G    gravitace+transformace (A - G,0 - 7)",
    " H    způsob hodnocení (A=přímé,B=...)",
    " J     počet \"skal\" (A-U, A=0,B=1,..)",
    " K    pořadí kamene - skla (0 - B)",
    " P    spojovani +studny (A-C, E-G, H-J,..) ",
};

} // namespace

QColor SettingsDialog::ColourOf(std::int32_t bgr) {
    return ColourFromValue(bgr);
}

std::int32_t SettingsDialog::BgrOf(const QColor& colour) {
    return ValueFromColour(colour);
}

SettingsDialog::SettingsDialog(SettingsDialogState& state, QWidget* parent)
    : QDialog(parent), state_(state), pictures_(DialogPictures) {
    setWindowTitle(QStringLiteral("  nastavení:  "));
    HeadStrip::AttachTo(this);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    const auto barButton = [&](QStyle::StandardPixmap icon, const char* hint) {
        auto* button = new QToolButton(this);
        button->setIcon(style()->standardIcon(icon));
        button->setToolTip(Text(hint));
        bar->addWidget(button);
        return button;
    };
    return_ = barButton(QStyle::SP_ArrowBack, "návrat bez nastavení");
    save_ = barButton(QStyle::SP_DialogSaveButton, "ulož nastavení pod názvem");
    load_ = barButton(QStyle::SP_DialogOpenButton, "načti nastavení pod názvem");
    ok_ = new QToolButton(this);
    ok_->setText(QStringLiteral("OK"));
    ok_->setToolTip(Text("ulož nastavení jako standard"));
    bar->addWidget(ok_);
    bar->addStretch(1);
    layout->addLayout(bar);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(buildBasicTab(), Text("&základní"));
    tabs_->addTab(buildSetsTab(), Text("&sady"));
    tabs_->addTab(buildRatingTab(), Text("&hodnocení"));
    tabs_->addTab(buildSurroundingsTab(), Text("&prostředí"));
    tabs_->addTab(buildCodeTab(), Text("&kód nastavení"));
    tabs_->addTab(buildKoruTab(), QStringLiteral("KORU"));
    layout->addWidget(tabs_);

    resize(540, 430);

    connect(return_, &QToolButton::clicked, this, &SettingsDialog::reject);
    connect(ok_, &QToolButton::clicked, this, &SettingsDialog::confirm);
    connect(save_, &QToolButton::clicked, this, [this] {
        if (saveAction_) saveAction_(state_);
        refresh();
    });
    connect(load_, &QToolButton::clicked, this, [this] {
        if (loadAction_) loadAction_(state_);
        refresh();
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        state_.tab = tab;
        if (tab == 4) codeEntry_->setFocus();
    });
    refresh();
}

QWidget* SettingsDialog::buildBasicTab() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* leftColumn = new QVBoxLayout;
    join_ = Choices(page, leftColumn, "prázdné sloupce:",
                    {Text("ponechávat"), Text("spojovat vlevo"), Text("spojovat vpravo")});
    connect(join_, &QButtonGroup::idClicked, this,
            [this](int id) { changed([&] { state_.joinChoice = id; }); });

    auto* sizeBox = new QGroupBox(Text("rozměry:"), page);
    auto* sizeGrid = new QGridLayout(sizeBox);
    sizeLabel_ = new QLabel(sizeBox);
    QFont bold = sizeLabel_->font();
    bold.setBold(true);
    sizeLabel_->setFont(bold);
    rows_ = new QSpinBox(sizeBox);
    rows_->setRange(5, 15);
    rows_->setToolTip(Text("nastaví rozsah řádků"));
    cols_ = new QSpinBox(sizeBox);
    cols_->setRange(10, 25);
    cols_->setToolTip(Text("nastaví rozsah sloupců"));
    sizeGrid->addWidget(sizeLabel_, 0, 0);
    sizeGrid->addWidget(rows_, 0, 1);
    sizeGrid->addWidget(cols_, 1, 0, 1, 2);
    connect(rows_, &QSpinBox::valueChanged, this,
            [this](int v) { changed([&] { SetRows(state_, v); }); });
    connect(cols_, &QSpinBox::valueChanged, this,
            [this](int v) { changed([&] { SetCols(state_, v); }); });
    leftColumn->addWidget(sizeBox);
    leftColumn->addStretch(1);
    layout->addLayout(leftColumn);

    auto* rightColumn = new QVBoxLayout;
    auto* gravityBox = new QGroupBox(Text("gravitace:"), page);
    auto* gravityGrid = new QGridLayout(gravityBox);
    up_ = new QCheckBox(gravityBox);
    left_ = new QCheckBox(gravityBox);
    right_ = new QCheckBox(gravityBox);
    auto* arrows = new QLabel(QStringLiteral("↑\n← ↓ →"), gravityBox);
    arrows->setAlignment(Qt::AlignCenter);
    gravityGrid->addWidget(up_, 0, 1, Qt::AlignCenter);
    gravityGrid->addWidget(left_, 1, 0);
    gravityGrid->addWidget(arrows, 1, 1);
    gravityGrid->addWidget(right_, 1, 2);
    connect(up_, &QCheckBox::toggled, this,
            [this](bool on) { changed([&] { state_.upBox = on; }); });
    connect(left_, &QCheckBox::toggled, this,
            [this](bool on) { changed([&] { state_.leftBox = on; }); });
    connect(right_, &QCheckBox::toggled, this,
            [this](bool on) { changed([&] { state_.rightBox = on; }); });
    rightColumn->addWidget(gravityBox);

    rightColumn->addWidget(new QLabel(Text("číslo pozice:"), page));
    number_ = new QLineEdit(page);
    connect(number_, &QLineEdit::textEdited, this, [this](const QString& text) {
        changed([&] { state_.numberText = text.toStdString(); });
    });
    rightColumn->addWidget(number_);

    // Rocks, wells and the transformer are kept but never offered.
    rockLabel_ = new QLabel(page);
    rocks_ = new QSpinBox(page);
    wells_ = new QSpinBox(page);
    wells_->setRange(0, 3);
    auto* wellLabel = new QLabel(Text("studna:"), page);
    transformer_ = new QCheckBox(Text("transformátor:"), page);
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{rockLabel_, rocks_, wellLabel, wells_, transformer_}) {
        rightColumn->addWidget(hidden);
        hidden->hide();
    }
    connect(rocks_, &QSpinBox::valueChanged, this, [this](int v) {
        changed([&] {
            state_.rockField = v;
            ApplyRockLimit(state_);
        });
    });
    connect(wells_, &QSpinBox::valueChanged, this,
            [this](int v) { changed([&] { state_.wellField = v; }); });
    connect(transformer_, &QCheckBox::toggled, this,
            [this](bool on) { changed([&] { state_.transformerBox = on; }); });
    rightColumn->addStretch(1);
    layout->addLayout(rightColumn);
    return page;
}

QWidget* SettingsDialog::buildSetsTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    colours_ = Choices(page, top, "barvy:", {"4", "5", "6", "7", "8"});
    connect(colours_, &QButtonGroup::idClicked, this,
            [this](int id) { changed([&] { state_.colourCount = id + 4; }); });
    QStringList sets;
    for (int i = 1; i <= 15; ++i) sets << QStringLiteral("sada %1").arg(i);
    imageSet_ = Choices(page, top, " značky: ", sets, 3);
    connect(imageSet_, &QButtonGroup::idClicked, this,
            [this](int id) { changed([&] { state_.imageSet = id; }); });
    layout->addLayout(top);

    // Each colour has a column of its own, picture over its two choices, all
    // of one width, so that they line up whatever the number of colours.
    auto* grid = new QGridLayout;
    joker_ = new QButtonGroup(page);
    glass_ = new QButtonGroup(page);
    grid->addWidget(new QLabel(Text("žolík:"), page), 1, 0);
    grid->addWidget(new QLabel(Text("sklo:"), page), 2, 0);
    for (int colour = 0; colour <= 8; ++colour) {
        if (colour > 0) {
            setPictures_[std::size_t(colour - 1)] = new QLabel(page);
            grid->addWidget(setPictures_[std::size_t(colour - 1)], 0, colour + 1, Qt::AlignCenter);
        }
        auto* joker = new QRadioButton(QString::number(colour), page);
        auto* glass = new QRadioButton(QString::number(colour), page);
        joker_->addButton(joker, colour);
        glass_->addButton(glass, colour);
        grid->addWidget(joker, 1, colour + 1, Qt::AlignCenter);
        grid->addWidget(glass, 2, colour + 1, Qt::AlignCenter);
        grid->setColumnMinimumWidth(colour + 1, ChoiceColumnWidth);
    }
    grid->setColumnStretch(10, 1);
    connect(joker_, &QButtonGroup::idClicked, this,
            [this](int id) { changed([&] { ChooseJoker(state_, id); }); });
    connect(glass_, &QButtonGroup::idClicked, this,
            [this](int id) { changed([&] { ChooseGlass(state_, id); }); });
    layout->addLayout(grid);
    layout->addStretch(1);
    return page;
}

QWidget* SettingsDialog::buildRatingTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    rating_ =
        Choices(page, top, "hodnocení: ", {Text("přímé"), Text("zvýhodněné"), Text("blokové")});
    connect(rating_, &QButtonGroup::idClicked, this,
            [this](int id) { changed([&] { state_.ratingChoice = id; }); });
    auto* texts = new QVBoxLayout;
    const char* const descriptions[] = {
        "přímé hodnocení znamená, že za jeden kámen dostanete právě jeden bod",
        "při tomto hodnocení dostanete za větší plochu více bodů než za dvě menší",
        "podobné jako předchozí, ale bodování stoupá po skupinách pěti kamenů"};
    for (std::size_t i = 0; i < 3; ++i) {
        descriptions_[i] = new QLabel(Text(descriptions[i]), page);
        descriptions_[i]->setWordWrap(true);
        descriptions_[i]->setAutoFillBackground(true);
        texts->addWidget(descriptions_[i]);
    }
    top->addLayout(texts, 1);
    layout->addLayout(top);

    premium_ = new QCheckBox(Text("prémiové bodování kamenů "), page);
    connect(premium_, &QCheckBox::toggled, this,
            [this](bool on) { changed([&] { state_.premiumBox = on; }); });
    layout->addWidget(premium_);
    // Each price stands under its own stone.
    pricePanel_ = new QWidget(page);
    auto* prices = new QGridLayout(pricePanel_);
    for (std::size_t i = 0; i < 8; ++i) {
        const int column = static_cast<int>(i);
        pricePictures_[i] = new QLabel(pricePanel_);
        prices->addWidget(pricePictures_[i], 0, column, Qt::AlignCenter);
        auto* price = new QLabel(QString::number(PriceTable[i + 1]), pricePanel_);
        price->setObjectName(QStringLiteral("price%1").arg(i + 1));
        prices->addWidget(price, 1, column, Qt::AlignCenter);
        prices->setColumnMinimumWidth(column, ChoiceColumnWidth);
    }
    prices->setColumnStretch(8, 1);
    layout->addWidget(pricePanel_);
    layout->addStretch(1);
    return page;
}

QWidget* SettingsDialog::buildSurroundingsTab() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel(Text("barva pozadí:"), page), 0, 0);
    back_ = ColourChooser(page);
    layout->addWidget(back_, 0, 1);
    layout->addWidget(new QLabel(Text("barva záhlaví:"), page), 1, 0);
    head_ = ColourChooser(page);
    layout->addWidget(head_, 1, 1);
    connect(back_, &QComboBox::activated, this, [this](int index) {
        changed([&] { state_.backColour = back_->itemData(index).toInt(); });
        emit backColourPreview(ColourOf(state_.backColour));
    });
    connect(head_, &QComboBox::activated, this, [this](int index) {
        changed([&] { state_.headColour = head_->itemData(index).toInt(); });
        emit headColourPreview(ColourOf(state_.headColour));
    });

    auto* showBox = new QGroupBox(Text("takto zobrazovat:"), page);
    auto* show = new QHBoxLayout(showBox);
    glassPicture_ = new QCheckBox(Text("sklo"), showBox);
    jokerPicture_ = new QCheckBox(Text("žolík"), showBox);
    const auto specialPicture = [&](int index) {
        auto* label = new QLabel(showBox);
        label->setPixmap(StonePictures::special(index, 32));
        show->addWidget(label);
    };
    specialPicture(OtherGlassPicture);
    show->addWidget(glassPicture_);
    specialPicture(OtherJokerPicture);
    show->addWidget(jokerPicture_);
    connect(glassPicture_, &QCheckBox::toggled, this,
            [this](bool on) { changed([&] { state_.glassPictureBox = on; }); });
    connect(jokerPicture_, &QCheckBox::toggled, this,
            [this](bool on) { changed([&] { state_.jokerPictureBox = on; }); });
    layout->addWidget(showBox, 2, 0, 1, 2);

    auto* gridHolder = new QHBoxLayout;
    grid_ = Choices(page, gridHolder,
                    "mřížka:", {Text("žádná"), Text("bílá"), Text("černá"), Text("šedá")});
    connect(grid_, &QButtonGroup::idClicked, this,
            [this](int id) { changed([&] { state_.gridChoice = id; }); });
    layout->addLayout(gridHolder, 3, 0, 1, 2);
    sound_ = new QCheckBox(Text("zvuk"), page);
    connect(sound_, &QCheckBox::toggled, this,
            [this](bool on) { changed([&] { state_.soundBox = on; }); });
    layout->addWidget(sound_, 4, 0);
    dashing_ = new QCheckBox(Text("sesypávat"), page);
    dashing_->setToolTip(Text("tah se ukáže v pohybu: skupina zmizí, kameny se sesypou "
                              "a sloupce (řádky) se přisunou"));
    connect(dashing_, &QCheckBox::toggled, this,
            [this](bool on) { changed([&] { state_.dashingBox = on; }); });
    layout->addWidget(dashing_, 5, 0, 1, 2);
    preview_ = new QCheckBox(Text("náhled tahu"), page);
    preview_->setToolTip(Text("skupina pod ukazatelem se zvýrazní a ukáže se, "
                              "kolik bodů by tah přinesl"));
    connect(preview_, &QCheckBox::toggled, this,
            [this](bool on) { changed([&] { state_.previewBox = on; }); });
    layout->addWidget(preview_, 6, 0, 1, 2);
    // The advisor's time, kept in tenths of a second.
    auto* adviceCaption = new QLabel(Text("čas rady:"), page);
    advice_ = new QDoubleSpinBox(page);
    advice_->setObjectName(QStringLiteral("adviceSeconds"));
    advice_->setRange(0.5, 60.0);
    advice_->setDecimals(1);
    advice_->setSingleStep(0.5);
    advice_->setSuffix(Text(" s"));
    // Seconds read as Czech writes them, with a decimal comma, whatever the system's locale.
    advice_->setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    const QString adviceHint = Text("jak dlouho rádce přemýšlí o nejlepším tahu");
    adviceCaption->setToolTip(adviceHint);
    advice_->setToolTip(adviceHint);
    connect(advice_, &QDoubleSpinBox::valueChanged, this, [this](double seconds) {
        changed([&] { state_.adviceTenths = static_cast<int>(std::lround(seconds * 10)); });
    });
    layout->addWidget(adviceCaption, 7, 0);
    layout->addWidget(advice_, 7, 1, Qt::AlignLeft);
    layout->setRowStretch(8, 1);
    return page;
}

QWidget* SettingsDialog::buildCodeTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(Text("aktuální nastavení:"), page));
    currentCode_ = new QLineEdit(page);
    currentCode_->setReadOnly(true);
    currentCode_->setMaxLength(9);
    layout->addWidget(currentCode_);
    layout->addWidget(new QLabel(Text("zadání:"), page));
    codeEntry_ = new QLineEdit(page);
    codeEntry_->setMaxLength(9);
    layout->addWidget(codeEntry_);
    codeMessage_ = new QLabel(page);
    layout->addWidget(codeMessage_);
    auto* help = new QPlainTextEdit(page);
    help->setReadOnly(true);
    QStringList lines;
    for (const char* line : CodeHelp) lines << Text(line);
    help->setPlainText(lines.join(QLatin1Char('\n')));
    help->setFont(QFont(QStringLiteral("Monospace")));
    layout->addWidget(help);
    connect(codeEntry_, &QLineEdit::textEdited, this, [this](const QString& text) {
        changed([&] { TypeCodeEntry(state_, text.toStdString()); });
    });
    connect(codeEntry_, &QLineEdit::returnPressed, this,
            [this] { changed([&] { EvaluateCodeEntry(state_, inForce_); }); });
    // Leaving the field for another control judges it too (see eventFilter).
    codeEntry_->installEventFilter(this);
    return page;
}

QWidget* SettingsDialog::buildKoruTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* caption = new QLabel(
        Text("čtyřpísmenná zkratka, která bude součástí generovaného jména souboru pro KORU:"),
        page);
    caption->setWordWrap(true);
    layout->addWidget(caption);
    koru_ = new QLineEdit(page);
    koru_->setMaxLength(4);
    connect(koru_, &QLineEdit::textEdited, this, [this](const QString& text) {
        changed([&] { state_.koruName = text.toStdString(); });
    });
    layout->addWidget(koru_);
    layout->addStretch(1);
    return page;
}

QAbstractButton* SettingsDialog::jokerChoice(int colour) const {
    return joker_->button(colour);
}
QAbstractButton* SettingsDialog::glassChoice(int colour) const {
    return glass_->button(colour);
}
QAbstractButton* SettingsDialog::colourCountChoice(int count) const {
    return colours_->button(count - 4);
}
QAbstractButton* SettingsDialog::gridChoice(int choice) const {
    return grid_->button(choice);
}

void SettingsDialog::setPictureSource(PictureSource source) {
    pictures_ = source ? std::move(source) : PictureSource(DialogPictures);
    refreshPictures();
}

void SettingsDialog::changed(const std::function<void()>& change) {
    // Controls set while mirroring must not write the state back.
    if (mirroring_) return;
    change();
    refresh();
}

void SettingsDialog::refresh() {
    mirroring_ = true;
    Check(join_, state_.joinChoice);
    rows_->setValue(state_.rows);
    cols_->setValue(state_.cols);
    sizeLabel_->setText(QString::fromStdString(SizeLabel(state_)));
    up_->setChecked(state_.upBox);
    left_->setChecked(state_.leftBox);
    right_->setChecked(state_.rightBox);
    if (number_->text().toStdString() != state_.numberText)
        number_->setText(QString::fromStdString(state_.numberText));
    rockLabel_->setText(QString::fromStdString(RockLabel(state_)));
    rocks_->setRange(0, state_.rockMaximum);
    rocks_->setValue(state_.rockField);
    wells_->setValue(state_.wellField);
    transformer_->setChecked(state_.transformerBox);

    Check(colours_, state_.colourCount - 4);
    Check(imageSet_, state_.imageSet);
    for (int colour = 0; colour <= 8; ++colour) {
        const bool shown = colour == 0 || ColourChoiceShown(state_, colour);
        joker_->button(colour)->setVisible(shown);
        glass_->button(colour)->setVisible(shown);
        joker_->button(colour)->setEnabled(JokerChoiceEnabled(state_, colour));
        glass_->button(colour)->setEnabled(GlassChoiceEnabled(state_, colour));
        if (colour > 0) setPictures_[std::size_t(colour - 1)]->setVisible(shown);
    }
    Check(joker_, state_.jokerChoice);
    Check(glass_, state_.glassChoice);

    Check(rating_, state_.ratingChoice);
    for (int i = 0; i < 3; ++i) {
        QPalette palette = descriptions_[std::size_t(i)]->palette();
        // The chosen description in yellow, the others in silver.
        palette.setColor(QPalette::Window, i == state_.ratingChoice ? QColor(0xFF, 0xFF, 0x00)
                                                                    : QColor(0xC0, 0xC0, 0xC0));
        descriptions_[std::size_t(i)]->setPalette(palette);
    }
    premium_->setChecked(state_.premiumBox);
    pricePanel_->setVisible(state_.premiumBox);

    ShowColour(back_, state_.backColour);
    ShowColour(head_, state_.headColour);
    glassPicture_->setChecked(state_.glassPictureBox);
    jokerPicture_->setChecked(state_.jokerPictureBox);
    Check(grid_, state_.gridChoice);
    sound_->setChecked(state_.soundBox);
    dashing_->setChecked(state_.dashingBox);
    preview_->setChecked(state_.previewBox);
    advice_->setValue(state_.adviceTenths / 10.0);

    currentCode_->setText(QString::fromStdString(state_.currentCode));
    if (codeEntry_->text().toStdString() != state_.codeEntry)
        codeEntry_->setText(QString::fromStdString(state_.codeEntry));
    codeMessage_->setText(QString::fromStdString(state_.codeMessage));
    if (koru_->text().toStdString() != state_.koruName)
        koru_->setText(QString::fromStdString(state_.koruName));
    refreshPictures();
    mirroring_ = false;
}

void SettingsDialog::refreshPictures() {
    const std::array<QPixmap, 8> pictures = pictures_(state_);
    for (std::size_t i = 0; i < 8; ++i) {
        setPictures_[i]->setPixmap(pictures[i]);
        pricePictures_[i]->setPixmap(pictures[i]);
    }
}

void SettingsDialog::open(const GameSettings& inForce) {
    inForce_ = inForce;
    OpenSettingsDialog(state_, inForce);
    tabs_->setCurrentIndex(0);
    refresh();
}

bool SettingsDialog::ask(const GameSettings& inForce) {
    open(inForce);
    return exec() == QDialog::Accepted;
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    // Only a move to another control of the open dialog counts as leaving the
    // field; the dialog hiding or losing the screen to a file dialog does not.
    if (watched == codeEntry_ && event->type() == QEvent::FocusOut && isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            changed([&] { JudgeTypedCode(state_, inForce_); });
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::confirm() {
    changed([&] { JudgeTypedCode(state_, inForce_); });
    if (okAction_) okAction_(state_);
    refresh();
    // After a wrong code the first OK is refused, though its action has run.
    if (!RequestClose(state_)) return;
    accept();
}

void SettingsDialog::reject() {
    if (!RequestClose(state_)) return;
    const GameSettings& kept = LeaveWithoutOk(state_);
    refresh();
    emit backColourPreview(ColourOf(kept.Back));
    emit headColourPreview(ColourOf(kept.Head));
    QDialog::reject();
}

} // namespace tumbla
