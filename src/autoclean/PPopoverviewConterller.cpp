#include "PPopoverviewConterller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWidget>

#include "AutoCleanPolicy.h"
#include "core/FileUtilities.h"
#include "core/SettingsKeys.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "platform/LoginItems.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"

namespace {
const char kSliderStyle[] =
    "QSlider::groove:horizontal { height: 4px; background: #dde2ea; border-radius: 2px; }"
    "QSlider::sub-page:horizontal { background: #2fb5a5; border-radius: 2px; }"
    "QSlider::sub-page:horizontal:disabled { background: #c3cad5; }"
    "QSlider::handle:horizontal { background: white; border: 1px solid #2fb5a5; width: 14px; height: 14px;"
    " margin: -6px 0; border-radius: 8px; }"
    "QSlider::handle:horizontal:disabled { border-color: #c3cad5; }";

QCheckBox* checkBox(const QString& text, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setStyleSheet(ThemeColors::css(ThemeColors::heading(box)));
    return box;
}

bool isOn(const QCheckBox* box) {
    return box->checkState() == Qt::Checked;
}
}  // namespace

PPopoverviewConterller::PPopoverviewConterller(QObject* parent)
    : PPopoverviewConterller(nullptr, nullptr, parent) {}

PPopoverviewConterller::PPopoverviewConterller(std::shared_ptr<Defaults> defaults,
                                               std::shared_ptr<LoginItems> loginItems, QObject* parent)
    : QObject(parent), m_defaults(std::move(defaults)), m_loginItems(std::move(loginItems)) {
    m_view = new QWidget;
    m_view->setObjectName(QStringLiteral("popoverView"));
    auto* layout = new QVBoxLayout(m_view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(buildAutoCleanCard());
    layout->addWidget(buildOptionsCard());
    layout->addWidget(buildLastCleanBox());

    connect(m_cleanTimeCheckBtn, &QCheckBox::clicked, this,
            &PPopoverviewConterller::CheckAutoTrashTimeAction);
    connect(m_theTimeBtn, &QComboBox::activated, this, &PPopoverviewConterller::ChangeTheTrashTime);
    connect(m_cleanStorageCheckBtn, &QCheckBox::clicked, this,
            &PPopoverviewConterller::CheckTheStorageAction);
    // Stored once the slider is let go (or moved by key); while dragging only the label follows.
    connect(m_storageSlider, &QSlider::valueChanged, this, &PPopoverviewConterller::TragTheStorageAction);
    // A press that ends where it began changes no value: nothing is stored, and the label the drag
    // may have changed shows the stored threshold again.
    connect(m_storageSlider, &QSlider::sliderPressed, this,
            [this] { m_labelBeforeDrag = m_storagelab->text(); });
    connect(m_storageSlider, &QSlider::sliderReleased, this, [this] {
        if (m_storageSlider->sliderPosition() == m_storageSlider->value())
            m_storagelab->setText(m_labelBeforeDrag);
    });
    connect(m_storageSlider, &QSlider::sliderMoved, this, [this](int position) {
        m_storagelab->setText(
            QLatin1Char(' ') +
            size_to_unit(
                std::max(thresholdForPosition(position, m_storageSlider->maximum()), LowestThreshold)));
    });
    connect(m_showwarningCheckBtn, &QCheckBox::clicked, this,
            &PPopoverviewConterller::CheckShowWarningAction);
    for (QCheckBox* box : {m_ageCheckBtn, m_shareCheckBtn, m_keepFreeCheckBtn})
        connect(box, &QCheckBox::clicked, this, [this] {
            storeAgeingRules();
            updateEnabledControls();
        });
    // Typed numbers are stored once editing ends, arrows and wheel at once.
    for (QSpinBox* spin : {m_ageDaysSpin, m_sharePercentSpin, m_keepFreeSpin})
        connect(spin, &QSpinBox::valueChanged, this, &PPopoverviewConterller::storeAgeingRules);
    connect(m_autoLunchBtn, &QCheckBox::clicked, this, &PPopoverviewConterller::ClickAutoTrashOnLogin);

    viewDidLoad();
}

PPopoverviewConterller::~PPopoverviewConterller() {
    delete m_view.data();
}

QWidget* PPopoverviewConterller::buildAutoCleanCard() {
    auto* card = new Card(localized("Empty automatically"), m_view);
    card->setObjectName(QStringLiteral("autoCleanCard"));

    auto* timeRow = new QHBoxLayout;
    m_cleanTimeCheckBtn = checkBox(localized("On a schedule"), "cleanTimeCheckBtn", card);
    auto* every = new QLabel(localized("Every"), card);
    every->setStyleSheet(ThemeColors::css(ThemeColors::muted(every)));
    m_theTimeBtn = new QComboBox(card);
    m_theTimeBtn->setObjectName(QStringLiteral("theTimeBtn"));
    m_theTimeBtn->setMinimumWidth(110);
    every->setBuddy(m_theTimeBtn);
    timeRow->addWidget(m_cleanTimeCheckBtn);
    timeRow->addStretch(1);
    timeRow->addWidget(every);
    timeRow->addWidget(m_theTimeBtn);
    card->body()->addLayout(timeRow);

    auto* sizeRow = new QHBoxLayout;
    m_cleanStorageCheckBtn = checkBox(localized("When the Trash reaches"), "cleanStorageCheckBtn", card);
    m_storagelab = new QLabel(QLatin1Char(' ') + size_to_unit(SettingsKeys::DefaultTrashStorage), card);
    m_storagelab->setObjectName(QStringLiteral("storagelab"));
    QFont bold = m_storagelab->font();
    bold.setBold(true);
    m_storagelab->setFont(bold);
    m_storagelab->setStyleSheet(
        QStringLiteral("QLabel { color: #2fb5a5; } QLabel:disabled { color: #9aa5b5; }"));
    sizeRow->addWidget(m_cleanStorageCheckBtn);
    sizeRow->addStretch(1);
    sizeRow->addWidget(m_storagelab);
    card->body()->addLayout(sizeRow);

    m_storageSlider = new QSlider(Qt::Horizontal, card);
    m_storageSlider->setObjectName(QStringLiteral("storageSlider"));
    m_storageSlider->setRange(0, 100);
    m_storageSlider->setPageStep(5);
    m_storageSlider->setTracking(false);
    m_storageSlider->setStyleSheet(QLatin1String(kSliderStyle));
    m_storageSlider->setValue(5);  // the threshold stored at first launch
    m_storageSlider->setAccessibleName(localized("Trash size that starts emptying"));
    card->body()->addWidget(m_storageSlider);

    auto* scale = new QHBoxLayout;
    QLabel* low = mutedLabel(size_to_unit(LowestThreshold), card);
    QLabel* high = mutedLabel(size_to_unit(thresholdForPosition(100, 100)), card);
    for (QLabel* l : {low, high}) {
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() - 1);
        l->setFont(f);
        l->setWordWrap(false);
    }
    scale->addWidget(low);
    scale->addStretch(1);
    scale->addWidget(high);
    card->body()->addLayout(scale);
    addAgeingRows(card);
    return card;
}

void PPopoverviewConterller::addAgeingRows(Card* card) {
    // Rows of the same card, not a card of their own: the popover must still fit below the tray
    // icon on a small screen.
    auto row = [&](const QString& text, const char* boxName, QCheckBox*& box, const char* spinName,
                   QSpinBox*& spin, int high, const QString& suffix, const QString& accessible) {
        auto* line = new QHBoxLayout;
        box = checkBox(text, boxName, card);
        spin = new QSpinBox(card);
        spin->setObjectName(QLatin1String(spinName));
        spin->setRange(1, high);
        spin->setSuffix(suffix);
        spin->setKeyboardTracking(false);
        spin->setFixedWidth(124);
        spin->setAccessibleName(accessible);
        line->addWidget(box, 1);
        line->addWidget(spin);
        card->body()->addLayout(line);
    };
    row(localized("Deleted more than"), "ageCheckBtn", m_ageCheckBtn, "ageDaysSpin", m_ageDaysSpin,
        AgeingRules::MaxDays, localized(" days ago"),
        localized("Remove items deleted more than this many days ago"));
    row(localized("Trash larger than"), "shareCheckBtn", m_shareCheckBtn, "sharePercentSpin",
        m_sharePercentSpin, AgeingRules::MaxShare, localized("% of disk"),
        localized("Largest share of the disk the Trash may take"));
    row(localized("Keep at least"), "keepFreeCheckBtn", m_keepFreeCheckBtn, "keepFreeSpin", m_keepFreeSpin,
        AgeingRules::MaxFreeGB, localized(" GB free"),
        localized("Free space to keep on the disk of the Trash"));
    for (QWidget* w : {static_cast<QWidget*>(m_ageCheckBtn), static_cast<QWidget*>(m_shareCheckBtn),
                       static_cast<QWidget*>(m_keepFreeCheckBtn)})
        w->setToolTip(localized("The oldest deletions go first; protected items always stay."));
}

QWidget* PPopoverviewConterller::buildOptionsCard() {
    auto* card = new Card(QString(), m_view);
    card->setObjectName(QStringLiteral("autoCleanOptionsCard"));
    m_showwarningCheckBtn = checkBox(localized("Ask before emptying"), "showwarningCheckBtn", card);
    m_autoLunchBtn = checkBox(localized("Open Corvane at login"), "autoLunchBtn", card);
    card->body()->addWidget(m_showwarningCheckBtn);
    card->body()->addWidget(m_autoLunchBtn);
    return card;
}

QWidget* PPopoverviewConterller::buildLastCleanBox() {
    auto* box = new QWidget(m_view);
    m_lastCleanBox = box;
    box->setObjectName(QStringLiteral("lastCleanBox"));
    box->setAttribute(Qt::WA_StyledBackground);
    box->setStyleSheet(
        QStringLiteral("QWidget#lastCleanBox { background: %1; border: 1px solid %2; border-radius: 8px; }")
            .arg(ThemeColors::card(box).name(), ThemeColors::cardBorder(box).name()));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(14, 10, 14, 10);
    m_lastCleanupInfolab = new QLabel(localized("Last cleaned"), box);
    m_lastCleanupInfolab->setObjectName(QStringLiteral("lastCleanupInfolab"));
    m_lastCleanupInfolab->setStyleSheet(ThemeColors::css(ThemeColors::muted(box)) +
                                        QStringLiteral(" border: none;"));
    m_lastCleanupSizelab = new QLabel(localized("Nothing emptied yet"), box);
    m_lastCleanupSizelab->setObjectName(QStringLiteral("lastCleanupSizelab"));
    QFont big = m_lastCleanupSizelab->font();
    big.setPointSizeF(big.pointSizeF() + 4);
    big.setBold(true);
    m_lastCleanupSizelab->setFont(big);
    m_lastCleanupSizelab->setStyleSheet(ThemeColors::css(ThemeColors::heading(box)) +
                                        QStringLiteral(" border: none;"));
    m_lastCleanupDatelab = new QLabel(box);
    m_lastCleanupDatelab->setObjectName(QStringLiteral("lastCleanupDatelab"));
    m_lastCleanupDatelab->setStyleSheet(ThemeColors::css(ThemeColors::muted(box)) +
                                        QStringLiteral(" border: none;"));
    grid->addWidget(m_lastCleanupInfolab, 0, 0);
    grid->addWidget(m_lastCleanupDatelab, 0, 1, Qt::AlignRight);
    grid->addWidget(m_lastCleanupSizelab, 1, 0, 1, 2);
    return box;
}

void PPopoverviewConterller::viewDidLoad() {
    {
        const QSignalBlocker block(m_theTimeBtn);
        m_theTimeBtn->clear();
        for (const QString& title : AutoCleanPolicy::periodTitles())
            m_theTimeBtn->addItem(localized(title.toUtf8().constData()), title);
        m_theTimeBtn->setCurrentIndex(m_theTimeBtn->findData(AutoCleanPolicy::defaultPeriodTitle()));
    }
    // Hidden until a last clean is shown; an empty box would be a blank frame.
    m_lastCleanupInfolab->hide();
    m_lastCleanupSizelab->hide();
    m_lastCleanupDatelab->hide();
    m_lastCleanBox->hide();
    readConfigfileInfo();
}

void PPopoverviewConterller::readConfigfileInfo() {
    auto text = [this](QLatin1StringView key) {
        return m_defaults ? m_defaults->stringForKey(key) : QString();
    };
    // Login: on only for "YES".
    m_autoLunchBtn->setChecked(text(SettingsKeys::BAutoLogin) == SettingsKeys::YES);
    // Period: a stored title selects itself; anything else leaves the selection.
    const int stored = m_theTimeBtn->findData(text(SettingsKeys::CleanTimeF));
    if (stored >= 0 && !text(SettingsKeys::CleanTimeF).isNull()) m_theTimeBtn->setCurrentIndex(stored);
    // Size: label and slider follow a stored threshold only while the condition is on.
    if (text(SettingsKeys::BAutoTrashStorage) == SettingsKeys::YES) {
        m_cleanStorageCheckBtn->setChecked(true);
        if (const quint64 threshold = storedThreshold()) {
            m_storagelab->setText(QLatin1Char(' ') + size_to_unit(threshold));
            const QSignalBlocker block(m_storageSlider);  // loading must not store a new threshold
            m_storageSlider->setValue(threshold < 3000000000ULL ? 15 : 100);
        }
    } else {
        m_cleanStorageCheckBtn->setChecked(false);
    }
    // Warning: off only for "NO".
    m_showwarningCheckBtn->setChecked(text(SettingsKeys::BShowWarning) != SettingsKeys::NO);
    // Time: off only for "NO".
    m_cleanTimeCheckBtn->setChecked(text(SettingsKeys::AutoTrashTime) != SettingsKeys::NO);
    // Ageing: loading must not store what it loads.
    const AgeingRules rules = m_defaults ? AgeingRules::stored(*m_defaults) : AgeingRules();
    const std::pair<QCheckBox*, QSpinBox*> controls[] = {{m_ageCheckBtn, m_ageDaysSpin},
                                                         {m_shareCheckBtn, m_sharePercentSpin},
                                                         {m_keepFreeCheckBtn, m_keepFreeSpin}};
    const AgeingRules::Rule values[] = {rules.olderThanDays, rules.maxSharePercent, rules.keepFreeGB};
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker block(controls[i].second);
        controls[i].first->setChecked(values[i].on);
        controls[i].second->setValue(values[i].value);
    }
    updateEnabledControls();
}

quint64 PPopoverviewConterller::storedThreshold() const {
    if (!m_defaults) return 0;
    bool present = false;
    const quint64 threshold = m_defaults->unsignedForKey(SettingsKeys::TrashStorage, &present);
    return present ? threshold : 0;
}

void PPopoverviewConterller::updateEnabledControls() {
    m_theTimeBtn->setEnabled(isOn(m_cleanTimeCheckBtn));
    m_storageSlider->setEnabled(isOn(m_cleanStorageCheckBtn));
    m_storagelab->setEnabled(isOn(m_cleanStorageCheckBtn));
    m_ageDaysSpin->setEnabled(isOn(m_ageCheckBtn));
    m_sharePercentSpin->setEnabled(isOn(m_shareCheckBtn));
    m_keepFreeSpin->setEnabled(isOn(m_keepFreeCheckBtn));
}

AgeingRules PPopoverviewConterller::ageingRules() const {
    AgeingRules rules;
    rules.olderThanDays = {isOn(m_ageCheckBtn), m_ageDaysSpin->value()};
    rules.maxSharePercent = {isOn(m_shareCheckBtn), m_sharePercentSpin->value()};
    rules.keepFreeGB = {isOn(m_keepFreeCheckBtn), m_keepFreeSpin->value()};
    return rules;
}

void PPopoverviewConterller::storeAgeingRules() {
    if (!m_defaults) return;
    ageingRules().store(*m_defaults);
    m_defaults->synchronize();
}

void PPopoverviewConterller::write(const QString& key, const QString& value) {
    if (!m_defaults) return;
    m_defaults->setString(key, value);
    m_defaults->synchronize();
}

void PPopoverviewConterller::ChangeTheTrashTime() {
    const QString title = m_theTimeBtn->currentData().toString();
    if (AutoCleanPolicy::periodTitles().contains(title)) write(SettingsKeys::CleanTimeF, title);
}

void PPopoverviewConterller::CheckAutoTrashTimeAction() {
    write(SettingsKeys::AutoTrashTime, isOn(m_cleanTimeCheckBtn) ? SettingsKeys::YES : SettingsKeys::NO);
    updateEnabledControls();
}

void PPopoverviewConterller::CheckTheStorageAction() {
    write(SettingsKeys::BAutoTrashStorage,
          isOn(m_cleanStorageCheckBtn) ? SettingsKeys::YES : SettingsKeys::NO);
    // Loaded with the box off, the label still shows the built-in default; turned on, it shows the
    // threshold that counts. The slider stays where the user left it.
    if (isOn(m_cleanStorageCheckBtn)) {
        if (const quint64 threshold = storedThreshold())
            m_storagelab->setText(QLatin1Char(' ') + size_to_unit(threshold));
    }
    updateEnabledControls();
}

void PPopoverviewConterller::CheckShowWarningAction() {
    write(SettingsKeys::BShowWarning, isOn(m_showwarningCheckBtn) ? SettingsKeys::YES : SettingsKeys::NO);
}

quint64 PPopoverviewConterller::thresholdForPosition(int value, int maximum) {
    // Single precision throughout: the stored figures are those of the float products.
    const float f = maximum == 0 ? 0.0f : static_cast<float>(value) / static_cast<float>(maximum);
    float t = f * 1000.0f;
    t = t * 1000.0f;
    t = t * 1000.0f;
    if (f > 0.0f && f <= 0.25f)
        t = t * 10.0f;
    else if (f > 0.25f && f <= 0.5f)
        t = t * 20.0f;
    else if (f > 0.5f && f <= 0.75f)
        t = t * 50.0f;
    else
        t = t * 100.0f;
    return t <= 0.0f ? 0 : static_cast<quint64>(t);
}

void PPopoverviewConterller::TragTheStorageAction() {
    // The low end stores the lowest threshold, so the label never shows a value that isn't stored.
    const quint64 threshold =
        std::max(thresholdForPosition(m_storageSlider->value(), m_storageSlider->maximum()), LowestThreshold);
    m_storagelab->setText(QLatin1Char(' ') + size_to_unit(threshold));
    if (!m_defaults) return;
    m_defaults->setUnsigned(SettingsKeys::TrashStorage, threshold);
    m_defaults->synchronize();
}

void PPopoverviewConterller::addAutoTrashAppAsLoginItem() {
    if (m_loginItems) m_loginItems->addAppAsLoginItem();
}

void PPopoverviewConterller::deleteAutoTrashAppFromLoginItem() {
    if (m_loginItems) m_loginItems->deleteAppFromLoginItem();
}

void PPopoverviewConterller::ClickAutoTrashOnLogin() {
    const bool on = isOn(m_autoLunchBtn);
    if (on)
        addAutoTrashAppAsLoginItem();
    else
        deleteAutoTrashAppFromLoginItem();
    write(SettingsKeys::BAutoLogin, on ? SettingsKeys::YES : SettingsKeys::NO);
    Q_EMIT autoLoginChanged(on);
}

void PPopoverviewConterller::setAutoLogin(bool on) {
    m_autoLunchBtn->setChecked(on);
}

void PPopoverviewConterller::ShowLastCleanUpInfo(const QString& size, const QString& date) {
    m_lastCleanBox->show();
    m_lastCleanupInfolab->show();
    m_lastCleanupSizelab->show();
    m_lastCleanupDatelab->show();
    if (!size.isNull()) m_lastCleanupSizelab->setText(size);
    if (!date.isNull()) m_lastCleanupDatelab->setText(date);
}

bool PPopoverviewConterller::BCheckDate() const {
    return isOn(m_cleanTimeCheckBtn);
}

bool PPopoverviewConterller::BCheckStorage() const {
    return isOn(m_cleanStorageCheckBtn);
}

QString PPopoverviewConterller::getTimeFrequency() const {
    return m_theTimeBtn->currentData().toString();
}

QString PPopoverviewConterller::size_to_unit(quint64 bytes) {
    return FileUtilities::size_to_unit_1(bytes);
}
