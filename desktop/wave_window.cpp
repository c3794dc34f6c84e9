#include "wave_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "about_box.h"
#include "accessibility.h"
#include "band_panel.h"
#include "dialog_builder.h"
#include "frame_picture.h"
#include "frame_view.h"
#include "language.h"
#include "levels_tab_view.h"
#include "recorded_levels.h"
#include "resources.h"
#include "scenario_dialog.h"
#include "settings_dialog.h"
#include "up_down_control.h"
#include "wave_app.h"

QWidget* WaveWindow::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

template <class Widget>
Widget* WaveWindow::ControlAs(int id) const {
    return qobject_cast<Widget*>(Control(id));
}

namespace {
// The keys that move the "Transmision" tab's marker.
std::optional<PlotKey> PlotKeyOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return PlotKey::Left;
        case Qt::Key_Right:
            return PlotKey::Right;
        case Qt::Key_PageDown:
            return PlotKey::PageDown;
        case Qt::Key_PageUp:
            return PlotKey::PageUp;
        case Qt::Key_Home:
            return PlotKey::Home;
        case Qt::Key_End:
            return PlotKey::End;
        default:
            return std::nullopt;
    }
}

}  // namespace

WaveWindow::WaveWindow(QWidget* parent) : QDialog(parent) {
    const DialogTemplate& dialog = MainDialogTemplate();
    setWindowTitle(QString::fromUtf8(dialog.title));
    // Caption, window menu and close box; a fixed size; a window of its own
    // in the task bar.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(DialogFont());
    setFixedSize(ClientSize(dialog));
    setWindowIcon(CWaveApp::AppIcon());

    CreateControls();
    for (const BandTemplate& band : BandTemplates()) {
        bands_.push_back(new BandPanel(band, this));
        controls_.insert(bands_.back()->Controls().begin(), bands_.back()->Controls().end());
    }
    openWeb_ = [](const QUrl& url) { QDesktopServices::openUrl(url); };

    frame_ = new FrameView(this);
    frame_->SetBeforePaint([this] {
        dlg_.OnPaint();
        frame_->setAccessibleDescription(QString::fromStdString(PlotDescription(dlg_, *this)));
    });
    frame_->SetOnPointer([this](int x, int y) { return dlg_.OnPlotMouse(x, y); });
    frame_->SetOnKey([this](int key) {
        const std::optional<PlotKey> k = PlotKeyOf(key);
        return k && dlg_.OnPlotKey(*k);
    });
    frame_->raise();
    levelTable_ = new LevelsTabView(this);
    NameControls();

    dlg_.OnInitDialog();
    frame_->setGeometry(ToQRect(dlg_.PlotRect()));
    levelTable_->Place(dlg_.PlotRect());
    for (BandPanel* band : bands_)
        band->Place(dlg_.PlotRect());
    // The template's width was measured for a narrower font: let the list
    // grow to its longest item, so that every potential reads in full.
    if (auto* list = ControlAs<QComboBox>(res::kPotentialList))
        list->resize(std::max(list->width(), list->sizeHint().width()), list->height());
    // Signals only now: filling the tabs and the list is no user's choice.
    ConnectControls();
    CreateFileActions();

    if (QWidget* first = FirstTabStop(this)) first->setFocus(Qt::OtherFocusReason);
}

WaveWindow::~WaveWindow() {
    if (!destroyed_) dlg_.OnDestroy();
}

void WaveWindow::CreateControls() {
    for (const ControlTemplate& control : MainDialogTemplate().controls)
        controls_[control.id] = CreateControl(control, this);

    // The first control of the template lies on top of the others, as the
    // group box does over the tab control it sits in.
    for (const ControlTemplate& control : MainDialogTemplate().controls)
        controls_[control.id]->lower();

    if (auto* count = ControlAs<QLineEdit>(res::kIterations)) {
        count->setReadOnly(true);
        count->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), count));
    }
}

// What a screen reader says of each control: its name and description.
void WaveWindow::NameControls() {
    for (const AccessibleText& text : AccessibleTexts()) {
        QWidget* control = Control(text.id);
        if (!control) continue;
        control->setAccessibleName(Tr(text.name).remove(QLatin1Char('&')));
        control->setAccessibleDescription(Tr(text.description));
    }
    const AccessibleText* picture = FindAccessibleText(res::kPlotGroup);
    frame_->setAccessibleName(Tr(picture->name));
}

void WaveWindow::ConnectControls() {
    for (const ControlTemplate& control : MainDialogTemplate().controls) {
        if (auto* button = ControlAs<QPushButton>(control.id))
            connect(button, &QPushButton::clicked, this,
                    [this, id = control.id] { dlg_.OnCommand(id); });
    }
    if (auto* spin = ControlAs<UpDownControl>(res::kSpin))
        connect(spin, &UpDownControl::deltaPos, this,
                [this](int delta) { dlg_.OnSpinDelta(delta); });
    if (auto* tab = ControlAs<QTabWidget>(res::kTab))
        connect(tab, &QTabWidget::currentChanged, this, [this] { dlg_.OnTabChange(); });
    for (BandPanel* band : bands_)
        band->Connect([this](int id) { dlg_.OnCommand(id); }, ControlAs<QTabWidget>(res::kTab));
    // A choice in the list, by mouse or keys; never a change made by code.
    if (auto* list = ControlAs<QComboBox>(res::kPotentialList))
        connect(list, &QComboBox::activated, this, [this] { dlg_.OnPotentialChange(); });

    auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(about, &QShortcut::activated, this,
            [this] { RunSystemCommand(res::kAboutBoxCommand); });
}

// ---- The window menu and closing ---------------------------------------------

std::unique_ptr<QMenu> WaveWindow::CreateSystemMenu() {
    auto menu = std::make_unique<QMenu>(this);
    menu->addActions(QList<QAction*>(fileActions_.begin(), fileActions_.end()));
    menu->addSeparator();
    QAction* close = menu->addAction(Tr(VQ_CAPTION("&Close")));
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    close->setData(kCloseCommand);
    for (const auto& [command, text] : menuItems_) {
        if (command == 0) {
            menu->addSeparator();
        } else {
            menu->addAction(text)->setData(command);
        }
    }
    return menu;
}

void WaveWindow::RunSystemCommand(unsigned command) {
    if (dlg_.OnSysCommand(command)) return;
    if ((command & 0xFFF0u) == kCloseCommand) close();
}

void WaveWindow::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu = CreateSystemMenu();
    // The choice runs once the menu has gone (the save and copy entries
    // through their queued signals).
    const QAction* chosen = menu->exec(event->globalPos());
    if (chosen && chosen->data().isValid()) RunSystemCommand(chosen->data().toUInt());
}

void WaveWindow::done(int result) {
    if (!destroyed_) {
        destroyed_ = true;
        dlg_.OnDestroy();
    }
    QDialog::done(result);
}

// ---- Save and copy ------------------------------------------------------------

// Shortcuts that leave the energy box its editing keys (Ctrl+C, V, X, A, Z).
void WaveWindow::CreateFileActions() {
    const struct {
        const char* text;
        QKeySequence keys;
        void (WaveWindow::*run)();
    } entries[] = {
        {VQ_CAPTION("Save picture\u2026"), QKeySequence(Qt::CTRL | Qt::Key_S),
         &WaveWindow::SavePicture},
        {VQ_CAPTION("Copy picture"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
         &WaveWindow::CopyPicture},
        {VQ_CAPTION("Copy levels"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
         &WaveWindow::CopyLevels},
        {VQ_CAPTION("Open scenario\u2026"), QKeySequence(Qt::CTRL | Qt::Key_O),
         &WaveWindow::OpenScenario},
        {VQ_CAPTION("Save scenario\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         &WaveWindow::SaveScenario},
    };
    for (const auto& entry : entries) {
        auto* action = new QAction(Tr(entry.text), this);
        action->setShortcut(entry.keys);
        addAction(action);  // the shortcut works wherever the focus is in the window
        // Queued: a choice from the menu runs once the menu has gone.
        connect(action, &QAction::triggered, this, entry.run, Qt::QueuedConnection);
        fileActions_.push_back(action);
    }
}

namespace {

picture::Picture PictureOf(const BufferImage& frame) {
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(frame.Width()) * frame.Height() * 3);
    frame.CopyTo(bits.data());
    return picture::FramePicture(bits.data(), frame.Width(), frame.Height());
}

}  // namespace

QImage WaveWindow::FramePicture() const {
    const picture::Picture p = PictureOf(dlg_.Frame());
    QImage image =
        QImage(p.rgb.data(), p.width, p.height, 3 * p.width, QImage::Format_RGB888).copy();
    image.setDotsPerMeterX(picture::kDotsPerMeter);
    image.setDotsPerMeterY(picture::kDotsPerMeter);
    return image;
}

void WaveWindow::SavePicture() {
    const QString path = askSaveName_ ? askSaveName_() : AskSaveName();
    activateWindow();
    if (!path.isEmpty()) SavePictureTo(path);
}

QString WaveWindow::AskSaveName() {
    // In the folder of the last picture saved, at first the user's pictures.
    if (saveFolder_.isEmpty()) {
        saveFolder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (!QDir(saveFolder_).exists()) saveFolder_ = QDir::homePath();
    }
    QFileDialog dialog(this, Tr(VQ_CAPTION("Save picture")), saveFolder_,
                       Tr(VQ_CAPTION("PNG pictures (*.png)")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(QStringLiteral("velquor.png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    saveFolder_ = QFileInfo(path).absolutePath();
    return path;
}

bool WaveWindow::SavePictureTo(const QString& path) {
    const std::vector<std::uint8_t> png = picture::EncodePng(PictureOf(dlg_.Frame()));
    const std::string reason =
        png.empty() ? std::string("the PNG encoder failed")
                    : picture::WriteWhole(QFile::encodeName(path).toStdString(), png);
    if (reason.empty()) return true;
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    Tr(VQ_CAPTION("The picture was not saved to %1: %2."))
                        .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason)),
                    QMessageBox::Ok, this);
    box.exec();
    activateWindow();
    return false;
}

void WaveWindow::CopyPicture() {
    QGuiApplication::clipboard()->setImage(FramePicture());
}

void WaveWindow::CopyLevels() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(LevelsCsv({RecordedLevelsOf(dlg_)})));
}

// ---- Scenarios ----------------------------------------------------------------

QString WaveWindow::AskScenarioName(bool save) {
    if (askScenarioName_) return askScenarioName_(save);
    if (scenarioFolder_.isEmpty()) scenarioFolder_ = QDir::homePath();
    QFileDialog dialog(this, Tr(save ? VQ_CAPTION("Save scenario") : VQ_CAPTION("Open scenario")),
                       scenarioFolder_, Tr(VQ_CAPTION("Scenarios (*.json)")));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (save) dialog.selectFile(QStringLiteral("velquor.json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    scenarioFolder_ = QFileInfo(path).absolutePath();
    return path;
}

void WaveWindow::OpenScenario() {
    const QString path = AskScenarioName(false);
    activateWindow();
    if (!path.isEmpty()) OpenScenarioFile(path);
}

void WaveWindow::SaveScenario() {
    const QString path = AskScenarioName(true);
    activateWindow();
    if (!path.isEmpty()) SaveScenarioTo(path);
}

bool WaveWindow::OpenScenarioFile(const QString& path) {
    const std::string name = QFile::encodeName(path).toStdString();
    scenario::ReadResult read = scenario::ReadFile(name);
    std::optional<std::string> refused;
    if (const auto* message = std::get_if<std::string>(&read)) {
        refused = *message;
    } else {
        refused = scenario::Open(dlg_, *this, std::get<scenario::Scenario>(read));
    }
    if (!refused) return true;
    FileMessage(Tr(VQ_CAPTION("The scenario %1 was not opened: %2."))
                    .arg(QDir::toNativeSeparators(path), Tr(*refused)));
    return false;
}

bool WaveWindow::SaveScenarioTo(const QString& path) {
    const std::string text = scenario::Write(scenario::Capture(dlg_, *this));
    const std::string reason = picture::WriteWhole(
        QFile::encodeName(path).toStdString(), std::vector<std::uint8_t>(text.begin(), text.end()));
    if (reason.empty()) return true;
    FileMessage(Tr(VQ_CAPTION("The scenario was not saved to %1: %2."))
                    .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason)));
    return false;
}

void WaveWindow::FileMessage(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, this);
    box.exec();
    activateWindow();
}

// ---- DialogPlatform ----------------------------------------------------------

PixelRect WaveWindow::ControlRect(int id) const {
    const QWidget* control = Control(id);
    return control ? ToPixelRect(control->geometry()) : PixelRect{};
}

std::uint8_t* WaveWindow::CreateFrameBitmap(int width, int height) {
    return frame_->Allocate(width, height);
}

void WaveWindow::SetTimer(unsigned id, unsigned milliseconds) {
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(this);
        // The animations' frames come at the display's pace, not within 5 %.
        if (id == res::kEvolutionTimer || id == res::kPacketTimer)
            timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, id] { dlg_.OnTimer(id); });
    }
    timer->start(static_cast<int>(milliseconds));
}

void WaveWindow::KillTimer(unsigned id) {
    const auto it = timers_.find(id);
    if (it != timers_.end()) it->second->stop();
}

void WaveWindow::EnableControl(int id, bool enable) {
    if (QWidget* control = Control(id)) control->setEnabled(enable);
}

void WaveWindow::Invalidate() {
    frame_->update();
}

void WaveWindow::InsertTab(int index, const std::string& text) {
    auto* tab = ControlAs<QTabWidget>(res::kTab);
    if (!tab) return;
    const QSignalBlocker quiet(tab);
    tab->insertTab(index, new QWidget, Tr(text));
}

void WaveWindow::SetLevelTable(const std::vector<std::string>& columns,
                               const std::vector<std::vector<std::string>>& rows) {
    if (levelTable_) levelTable_->SetRows(columns, rows);
}

void WaveWindow::ShowLevelTable(bool shown) {
    if (!levelTable_) return;
    levelTable_->setVisible(shown);
    if (shown) levelTable_->raise();
}

void WaveWindow::SelectTab(int index) {
    auto* tab = ControlAs<QTabWidget>(res::kTab);
    if (!tab) return;
    const QSignalBlocker quiet(tab);
    tab->setCurrentIndex(index);
    for (BandPanel* band : bands_)
        band->ShowFor(tab->currentIndex());
}

int WaveWindow::CurrentTab() const {
    const auto* tab = ControlAs<QTabWidget>(res::kTab);
    return tab ? tab->currentIndex() : -1;
}

void WaveWindow::AddListItem(const std::string& text, std::intptr_t data) {
    auto* list = ControlAs<QComboBox>(res::kPotentialList);
    if (!list) return;
    const QSignalBlocker quiet(list);
    list->addItem(Tr(text), QVariant::fromValue<qlonglong>(data));
}

void WaveWindow::SelectListItem(int index) {
    auto* list = ControlAs<QComboBox>(res::kPotentialList);
    if (!list) return;
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index);
}

std::intptr_t WaveWindow::SelectedListItemData() const {
    const auto* list = ControlAs<QComboBox>(res::kPotentialList);
    if (!list || list->currentIndex() < 0) return -1;
    return static_cast<std::intptr_t>(list->currentData().toLongLong());
}

std::string WaveWindow::ControlText(int id) const {
    const QWidget* control = Control(id);
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        text = edit->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        text = button->text();
    } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
        text = label->text();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        text = group->title();
    }
    return text.toStdString();
}

void WaveWindow::SetControlText(int id, const std::string& text) {
    QWidget* control = Control(id);
    // What a person types stays as typed; a caption is shown in the window's language.
    const QString value = Tr(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(QString::fromStdString(text));
        edit->setCursorPosition(0);  // a long number shows its sign and first digits
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(value);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(value);
    }
}

void WaveWindow::DataEntryMessage(int id, const std::string& message) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), Tr(message),
                    QMessageBox::Ok, this);
    box.exec();
    activateWindow();
    // Back to the control that did not read, its text selected for retyping.
    if (QWidget* control = Control(id)) {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
    }
}

void WaveWindow::AppendAboutMenuItem(unsigned command, const std::string& text) {
    menuItems_.emplace_back(0, QString());
    menuItems_.emplace_back(command, Tr(text));
}

std::string WaveWindow::Caption(std::string_view text) const {
    return Tr(text).toStdString();
}

void WaveWindow::OpenWebAddress(const std::string& address) {
    if (openWeb_) openWeb_(QUrl(QString::fromStdString(address)));
}

void WaveWindow::RunSettingsDialog(SettingsEditor& editor) {
    SettingsDialog settings(editor, this);
    settings.exec();
    activateWindow();
}

void WaveWindow::RunAboutBox() {
    CAboutDlg about(this);
    about.exec();
    // A closed modal box hands the keyboard back to its owner, with or
    // without a window manager to do it.
    activateWindow();
}
