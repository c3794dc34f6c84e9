// The main window: template 102 as Qt widgets. It is the dialog's platform
// (controls, frame memory, timer, message boxes, the web link) and turns
// every user event into one handler call of CWaveDlg; what the program does
// is the dialog's business, not this window's.
#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "dialog_platform.h"
#include "wave_dlg.h"

class BandPanel;
class FrameView;
class LevelsTabView;
class QAction;
class QImage;
class QMenu;
class QTimer;

class WaveWindow : public QDialog, public DialogPlatform {
    Q_OBJECT

  public:
    explicit WaveWindow(QWidget* parent = nullptr);
    ~WaveWindow() override;

    CWaveDlg& Dialog() { return dlg_; }
    // The widget of a control of the template; null for an ID it has not.
    QWidget* Control(int id) const;
    FrameView* Frame() const { return frame_; }

    // Who opens a web address: the desktop's browser unless told otherwise.
    void SetWebOpener(std::function<void(const QUrl&)> open) { openWeb_ = std::move(open); }
    // Who asks where "Save picture…" saves (empty: cancelled): a file dialog
    // unless told otherwise.
    void SetSaveNameAsker(std::function<QString()> ask) { askSaveName_ = std::move(ask); }
    // Who asks which scenario file to open or save (empty: cancelled).
    void SetScenarioNameAsker(std::function<QString(bool save)> ask) {
        askScenarioName_ = std::move(ask);
    }

    // The window's own menu (the system menu of other desktops), shown on a
    // right click: "&Close", then the entries the dialog appended.
    std::unique_ptr<QMenu> CreateSystemMenu();
    // What a choice in that menu does.
    void RunSystemCommand(unsigned command);

    // The picture on show: "Save picture…" asks for a file name and writes
    // it as PNG; SavePictureTo writes it there and says why in a message box
    // if it cannot (true: saved). The copies go to the clipboard, the levels
    // as CSV text.
    void SavePicture();
    bool SavePictureTo(const QString& path);
    void CopyPicture();
    void CopyLevels();
    QImage FramePicture() const;

    // Scenarios: "Open scenario…" and "Save scenario…" ask for a file; the
    // ...File/...To forms take it, and say in a message box why a file was
    // not opened or saved (false), the window left as it was.
    void OpenScenario();
    void SaveScenario();
    bool OpenScenarioFile(const QString& path);
    bool SaveScenarioTo(const QString& path);

    // Every way out (Escape, the close box, the menu) ends here.
    void done(int result) override;

    // DialogPlatform
    PixelRect ControlRect(int id) const override;
    std::uint8_t* CreateFrameBitmap(int width, int height) override;
    void SetTimer(unsigned id, unsigned milliseconds) override;
    void KillTimer(unsigned id) override;
    void EnableControl(int id, bool enable) override;
    void Invalidate() override;
    void InsertTab(int index, const std::string& text) override;
    int CurrentTab() const override;
    void SelectTab(int index) override;
    void AddListItem(const std::string& text, std::intptr_t data) override;
    void SelectListItem(int index) override;
    std::intptr_t SelectedListItemData() const override;
    std::string ControlText(int id) const override;
    void SetControlText(int id, const std::string& text) override;
    void DataEntryMessage(int id, const std::string& message) override;
    std::string Caption(std::string_view text) const override;
    void AppendAboutMenuItem(unsigned command, const std::string& text) override;
    void OpenWebAddress(const std::string& address) override;
    void RunAboutBox() override;
    void RunSettingsDialog(SettingsEditor& editor) override;
    void SetLevelTable(const std::vector<std::string>& columns,
                       const std::vector<std::vector<std::string>>& rows) override;
    void ShowLevelTable(bool shown) override;

    // The system menu's command that closes the window.
    static constexpr unsigned kCloseCommand = 0xF060;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void CreateControls();
    void ConnectControls();
    void NameControls();
    void CreateFileActions();
    QString AskSaveName();
    QString AskScenarioName(bool save);
    void FileMessage(const QString& text);
    template <class Widget>
    Widget* ControlAs(int id) const;

    std::map<int, QWidget*> controls_;  // children of this window
    FrameView* frame_ = nullptr;
    std::vector<BandPanel*> bands_;        // the bands of tabs ("Evolucion")
    LevelsTabView* levelTable_ = nullptr;  // the "Niveles" tab's table
    std::map<unsigned, QTimer*> timers_;
    std::vector<std::pair<unsigned, QString>> menuItems_;  // command 0: separator
    std::function<void(const QUrl&)> openWeb_;
    std::vector<QAction*> fileActions_;  // save and copy, in the menu and by shortcut
    std::function<QString()> askSaveName_;
    QString saveFolder_;
    std::function<QString(bool)> askScenarioName_;
    QString scenarioFolder_;
    bool destroyed_ = false;
    CWaveDlg dlg_{*this};
};
