#pragma once
// "  nastavení:  ": the settings dialog. It mirrors a SettingsDialogState, which
// the settings files and Tumbla.ini also read and write while the window is
// hidden; the rules between the controls live there.

#include "situation/SettingsDialogState.h"

#include <QColor>
#include <QDialog>
#include <QPixmap>

#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace tumbla {

class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // The pictures of colours 1..8 for the controls' picture set, joker and
    // glass choices and "takto zobrazovat:" boxes.
    using PictureSource = std::function<std::array<QPixmap, 8>(const SettingsDialogState&)>;
    // Actions on the state that need the files: OK (SaveSettingsToIni and
    // putting the result in force), save and load by name.
    using Action = std::function<void(SettingsDialogState&)>;

    explicit SettingsDialog(SettingsDialogState& state, QWidget* parent = nullptr);

    void setPictureSource(PictureSource source);
    void setOkAction(Action action) { okAction_ = std::move(action); }
    void setSaveAction(Action action) { saveAction_ = std::move(action); }
    void setLoadAction(Action action) { loadAction_ = std::move(action); }

    // Refills the controls over the settings in force and shows the window
    // modally; true when it ended with OK.
    bool ask(const GameSettings& inForce);
    // The opening without the modal loop, for a caller that shows it itself.
    void open(const GameSettings& inForce);
    using QDialog::open;
    // Mirrors the state into the controls, after it was changed from outside.
    void refresh();

    // Colours as the settings keep them (0x00BBGGRR or a system colour).
    static QColor ColourOf(std::int32_t bgr);
    static std::int32_t BgrOf(const QColor& colour);

    QTabWidget* tabs() const { return tabs_; }
    QToolButton* returnButton() const { return return_; }
    QToolButton* saveButton() const { return save_; }
    QToolButton* loadButton() const { return load_; }
    QToolButton* okButton() const { return ok_; }
    QSpinBox* rowsField() const { return rows_; }
    QSpinBox* colsField() const { return cols_; }
    QLabel* sizeLabel() const { return sizeLabel_; }
    QAbstractButton* jokerChoice(int colour) const;
    QAbstractButton* glassChoice(int colour) const;
    QAbstractButton* colourCountChoice(int count) const;
    QLabel* colourPicture(int colour) const { return setPictures_[std::size_t(colour - 1)]; }
    QAbstractButton* gridChoice(int choice) const;
    QCheckBox* premiumBox() const { return premium_; }
    QWidget* pricePanel() const { return pricePanel_; }
    QLineEdit* codeEntry() const { return codeEntry_; }
    QLabel* codeMessage() const { return codeMessage_; }
    QComboBox* backColourField() const { return back_; }

  signals:
    // Previews: the playing area and the title bars take these at once, and
    // the colours of the opening again when the dialog is left without OK.
    void backColourPreview(QColor colour);
    void headColourPreview(QColor colour);

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildBasicTab();
    QWidget* buildSetsTab();
    QWidget* buildRatingTab();
    QWidget* buildSurroundingsTab();
    QWidget* buildCodeTab();
    QWidget* buildKoruTab();
    void confirm();
    void changed(const std::function<void()>& change);
    void refreshPictures();

    SettingsDialogState& state_;
    GameSettings inForce_;
    PictureSource pictures_;
    Action okAction_;
    Action saveAction_;
    Action loadAction_;
    bool mirroring_ = false;

    QTabWidget* tabs_ = nullptr;
    QToolButton* return_ = nullptr;
    QToolButton* save_ = nullptr;
    QToolButton* load_ = nullptr;
    QToolButton* ok_ = nullptr;
    QButtonGroup* join_ = nullptr;
    QSpinBox* rows_ = nullptr;
    QSpinBox* cols_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QCheckBox* up_ = nullptr;
    QCheckBox* left_ = nullptr;
    QCheckBox* right_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLabel* rockLabel_ = nullptr;
    QSpinBox* rocks_ = nullptr;
    QSpinBox* wells_ = nullptr;
    QCheckBox* transformer_ = nullptr;
    QCheckBox* dashing_ = nullptr;
    QCheckBox* preview_ = nullptr;
    QDoubleSpinBox* advice_ = nullptr; // the advisor's time in seconds
    QButtonGroup* colours_ = nullptr;
    QButtonGroup* imageSet_ = nullptr;
    QButtonGroup* joker_ = nullptr;
    QButtonGroup* glass_ = nullptr;
    std::array<QLabel*, 8> setPictures_{};
    std::array<QLabel*, 8> pricePictures_{};
    QButtonGroup* rating_ = nullptr;
    std::array<QLabel*, 3> descriptions_{};
    QCheckBox* premium_ = nullptr;
    QWidget* pricePanel_ = nullptr;
    QComboBox* back_ = nullptr;
    QComboBox* head_ = nullptr;
    QCheckBox* glassPicture_ = nullptr;
    QCheckBox* jokerPicture_ = nullptr;
    QButtonGroup* grid_ = nullptr;
    QCheckBox* sound_ = nullptr;
    QLineEdit* currentCode_ = nullptr;
    QLineEdit* codeEntry_ = nullptr;
    QLabel* codeMessage_ = nullptr;
    QLineEdit* koru_ = nullptr;
};

} // namespace tumbla
