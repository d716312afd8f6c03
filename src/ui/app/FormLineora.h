#pragma once

#include "core/commands/KeyFilter.h"
#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"
#include "ui/app/MainToolbar.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <span>

class QAction;
class QActionGroup;
class QButtonGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QScrollArea;
class QToolButton;

namespace lineora {

class KeyPreFilter;
class TFormHelp;
class PictureView;
struct Windows;

// The main window: toolbar, menus, the picture in its scroll box and the status bar. It shows
// the state and turns every user event into a call of an operation; the operations reach back
// through the Views interface it implements. The toolbar buttons are the public fields of
// MainToolbar, the other controls public fields here, all under their fixed names.
class TFormLineora : public QMainWindow, public Views, public MainToolbar {
    Q_OBJECT
public:
    // Client area below the menu bar: the design size and the smallest the window allows.
    inline static constexpr QSize kDesignClient{850, 510};
    inline static constexpr QSize kMinimumClient{780, 580};
    // The picture box leaves this much of the client height to toolbar and status bar.
    inline static constexpr int kScrollBoxReserve = 87;
    inline static constexpr int kToolbarHeight = 56;
    inline static constexpr int kStatusHeight = 17;

    TFormLineora(State& state, Host& host, QWidget* parent = nullptr);
    ~TFormLineora() override;

    // The other windows, created after this one; commands that show a window need them.
    void AttachWindows(Windows* windows);

    // Start of the program: scale captions, the point-mode cursor and its menu check.
    void InitialiseControls();

    QSize ClientSize() const;
    void ResizeClient(QSize client);

    // Views
    void PictureChanged() override;
    void PictureAreaChanged(const QRect& pictureArea) override;
    void ViewScaleChanged() override;
    void ControlsChanged() override;
    void ApplyWindowToggles() override;
    void ApplyWindowPlacements() override;
    void CaptureWindowPlacements() override;
    void SetPictureCursor(CursorId id) override;
    void ScrollPictureBy(int dx, int dy) override;
    void UpdateMagnifier(int x, int y) override;
    void ShowStatus(int panel, const QString& text) override;
    void SetCaption(const QString& caption) override;
    void TableChanged() override;
    void RunNudge() override;
    void MovePointerBy(int dx, int dy) override;
    void CloseMainWindow() override;
    void PipetteHover(TColor colour) override;
    void PipettePicked() override;
    void StripColourHover(TColor colour) override;

    QScrollArea* ScrollBox1;
    PictureView* imgGrafik;
    QWidget* StatusBar1;
    std::array<QLabel*, 6> StatusPanels{};
    QProgressBar* ProgressBar1;

    QMenuBar* MainMenu1;
    QMenu* Menu1File;
    QAction* menuOpenBMP;
    QAction* menufromClipboard;
    QAction* menuOpenData;
    QAction* menuSaveData;
    QAction* menuExportCsv;
    QAction* MenuExit;
    QMenu* Menu1Edit;
    QAction* menuUndo;
    QAction* menuRedo;
    QMenu* Menu1Show;
    QAction* menuShowTable;
    QAction* menuShowSetup;
    QAction* menuShowZoom;
    QAction* menuShowInput;
    QMenu* Menu1Data;
    QAction* menuCopytoClipboard;
    QAction* menuSaveToFile;
    QAction* menuCleardata;
    QAction* menuDeleteAll;
    QAction* menuSaveBMPtoFile;
    QMenu* Menu1Digitaze;
    QAction* MenuInput00;
    QAction* MenuInputXmax;
    QAction* MenuInputYmax;
    QAction* MenuInputPoint;
    QAction* MenuErazer;
    QMenu* Menu1Mode;
    QAction* MenuAutocorrection;
    QAction* MenuOnDeltaX;
    QMenu* Menu1Action;
    QAction* MenuClearGrafik;
    QAction* MenuRectify;
    QAction* MenuPasteLine;
    QAction* MenuFindOnLine;
    QAction* MenuFindByColor;
    QAction* MenuInputColor;
    QAction* MenuAvtomat;
    QAction* MenuAvtomatSetup;
    QMenu* Menu1Help;
    QAction* MenuHelp;
    QAction* MenuAbout;

    QMenu* PopupMenu2;
    QAction* mastab1;
    QAction* mastab2;
    QAction* mastab3;
    QAction* mastab4;
    QAction* mastab5;
    QAction* mastab6;
    QAction* mastab7;
    QMenu* PopupMenu3;
    QAction* Diag;
    QAction* vert;
    QAction* Handle;
    QAction* Circle;
    QAction* Strela;
    QMenu* PopupMenu5;
    QAction* MenuItempf1bit;
    QAction* MenuItempf4bit;
    QAction* MenuItempf8bit;
    QAction* MenuItempf15bit;
    QAction* MenuItempf16bit;
    QAction* MenuItempf24bit;
    QAction* MenuItempf32bit;

signals:
    // The close query said yes: the program ends.
    void Closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The four tool windows that follow a toolbar toggle.
    enum Toggle { ToggleTable, ToggleText, ToggleZoom, ToggleInput, kToggleCount };

    // One toolbar button: its place, face, group and command (FormLineoraToolbar.cpp).
    struct ToolbarButton;
    // Every toolbar button in creation order, which the language file walks.
    static std::span<const ToolbarButton> ToolbarButtons();

    void BuildToolbar();
    void BuildPictureBox();
    void BuildStatusBar();
    void BuildMainMenu();
    void BuildPopupMenus();
    void WireMainMenu();
    void WirePopupMenus();
    // The paste window's buttons and the text output window's edits; needs the windows.
    void WireToolWindows();
    // The colour-picking, colour-tracing and automatic digitizing windows.
    void WireTracingWindows();
    // The dialogs of the polar and the cartesian light-distribution modes.
    void WirePolarDialog();
    void WireCartesianDialog();
    // The curve buttons and the axis-value toggle as a photometric mode allows them, and its
    // dialog shown while the mode lasts.
    void ShowPhotometryState();
    // The bright-line mode's tool and table windows (FormLineoraBrightLine.cpp).
    void WireBrightLineWindows();
    void ShowBrightLineState();
    // The strip-sampling mode (FormLineoraStripMode.cpp): its windows wired, the toolbar
    // button's input dialog and window, and the window showing the mode's state.
    void WireStripWindows();
    void EnterStripMode();
    void ShowStripModeState();
    // What the paste, pipette and colour-tracing buttons open.
    void OpenPastePreview();
    void OpenColourPicking();
    void OpenColourTracing();

    QAction* MakeAction(QMenu* menu, const char* name, const QString& caption,
                        bool checkable = false);
    QMenu* MakeMenu(QMenuBar* bar, const char* name, const QString& caption);

    // Runs a command behind the error boundary, then shows the state again.
    void Command(const std::function<void()>& action);
    void OnTrigger(QAction* action, const std::function<void()>& command);

    void LayoutClient();
    // The help page of the chosen language, in the program's help window.
    void ShowHelp();
    void ShowOnTop(QWidget* window);
    // Shows one of the other windows, once they are attached.
    template <auto window> void ShowWindow();
    void PopUpBelow(QMenu* menu, const QWidget* button);
    void SetToggle(Toggle toggle, bool down);
    void ToggleWindowClosed(Toggle toggle);
    void SyncToggleWindows(bool force);
    QWidget* ToggleWindow(Toggle toggle) const;
    bool& ToggleFlag(Toggle toggle);
    QToolButton* ToggleButton(Toggle toggle) const;
    // The button of the tool mode now on, or none for the special modes.
    QToolButton* ToolButtonShown() const;
    void ShowLineColours();
    void OnKey(Key key);
    void OnMouseDown(std::uint32_t shift, int x, int y);
    void OnMouseMove(std::uint32_t shift, int x, int y);
    void OnMouseUp();
    // The Edit menu's texts and the title's mark of unsaved work.
    void ShowUndoState();
    int MenuBarHeight() const;

    State& state_;
    Host& host_;
    Windows* windows_ = nullptr;
    KeyPreFilter* keyFilter_ = nullptr;
    QButtonGroup* toolGroup_ = nullptr;
    QButtonGroup* lineGroup_ = nullptr;
    std::array<QToolButton*, kCurveCount + 1> lineButtons_{};
    std::array<QAction*, 8> scaleItems_{};
    std::array<QAction*, 6> cursorItems_{};
    std::array<QAction*, 8> pixelFormatItems_{};
    std::array<bool, kToggleCount> toggleShown_{};
    CursorId pictureCursor_ = static_cast<CursorId>(-1); // none set yet
    TFormHelp* help_ = nullptr; // made when first asked for, owned as a child
    // The title the commands set; a " *" follows it while the work is unsaved.
    QString caption_ = QStringLiteral("Lineora3");
};

} // namespace lineora
