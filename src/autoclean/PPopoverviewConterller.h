#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "AutoCleanConditions.h"

class Card;
class Defaults;
class LoginItems;
class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;
class QWidget;

/// The content of the tray popover: the auto-clean settings and the last clean of the Trash.
/// Each control writes its setting at once; the auto-clean policy reads the controls' live state.
/// Its view lives as long as the controller; a popover or the auto-clean window borrows it.
class PPopoverviewConterller : public QObject, public AutoCleanConditions {
    Q_OBJECT
  public:
    /// Builds the view and loads the stored settings into it. Without a store the controls show
    /// their defaults and write nothing; without login items the login box changes only the key.
    PPopoverviewConterller(std::shared_ptr<Defaults> defaults, std::shared_ptr<LoginItems> loginItems,
                           QObject* parent = nullptr);
    explicit PPopoverviewConterller(QObject* parent = nullptr);
    ~PPopoverviewConterller() override;

    QWidget* view() const { return m_view; }

    /// Refills the period list with "Monthly" selected, hides the last clean and loads the settings.
    void viewDidLoad();
    /// Sets every control from the settings store.
    void readConfigfileInfo();

    // Actions: each writes one setting and writes the store to disk.
    void ChangeTheTrashTime();
    void CheckAutoTrashTimeAction();
    void CheckTheStorageAction();
    void CheckShowWarningAction();
    void TragTheStorageAction();
    void ClickAutoTrashOnLogin();
    void addAutoTrashAppAsLoginItem();
    void deleteAutoTrashAppFromLoginItem();

    /// Sets the login box as the main window's box shows it; no click, so nothing is stored.
    void setAutoLogin(bool on);

    /// Shows the last clean; a null text leaves that label as it was.
    void ShowLastCleanUpInfo(const QString& size, const QString& date);

    bool BCheckDate() const override;
    bool BCheckStorage() const override;
    QString getTimeFrequency() const override;
    /// The ageing rules as the controls show them.
    AgeingRules ageingRules() const override;

    /// The one-decimal size text.
    static QString size_to_unit(quint64 bytes);
    /// The threshold of a slider position, on the piecewise scale, in single precision.
    static quint64 thresholdForPosition(int value, int maximum);
    /// The smallest threshold the slider stores.
    static constexpr quint64 LowestThreshold = 100000000ULL;

  Q_SIGNALS:
    /// The login box was clicked (the main window's box shows the same setting).
    void autoLoginChanged(bool on);

  private:
    QWidget* buildAutoCleanCard();
    QWidget* buildOptionsCard();
    /// The ageing rules' rows, at the end of the auto-clean card.
    void addAgeingRows(Card* card);
    /// Writes the ageing rules as the controls show them.
    void storeAgeingRules();
    QWidget* buildLastCleanBox();
    void updateEnabledControls();
    /// The stored threshold; 0 when there is none.
    quint64 storedThreshold() const;
    void write(const QString& key, const QString& value);

    std::shared_ptr<Defaults> m_defaults;
    std::shared_ptr<LoginItems> m_loginItems;
    QPointer<QWidget> m_view;
    QWidget* m_lastCleanBox = nullptr;
    QString m_labelBeforeDrag;

    QCheckBox* m_cleanTimeCheckBtn = nullptr;
    QComboBox* m_theTimeBtn = nullptr;
    QCheckBox* m_cleanStorageCheckBtn = nullptr;
    QSlider* m_storageSlider = nullptr;
    QLabel* m_storagelab = nullptr;
    QCheckBox* m_showwarningCheckBtn = nullptr;
    QCheckBox* m_autoLunchBtn = nullptr;
    QLabel* m_lastCleanupInfolab = nullptr;
    QLabel* m_lastCleanupSizelab = nullptr;
    QLabel* m_lastCleanupDatelab = nullptr;
    // Ageing: each rule a box and its number; both are stored as soon as they change.
    QCheckBox* m_ageCheckBtn = nullptr;
    QSpinBox* m_ageDaysSpin = nullptr;
    QCheckBox* m_shareCheckBtn = nullptr;
    QSpinBox* m_sharePercentSpin = nullptr;
    QCheckBox* m_keepFreeCheckBtn = nullptr;
    QSpinBox* m_keepFreeSpin = nullptr;
};
