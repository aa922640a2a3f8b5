// frmMDI: the main window with its strips, welcome panel and the reading windows inside.
#pragma once

#include "windows/reading_host.h"
#include "windows/sign_pictures.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QButtonGroup;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace orbis {

class HelpCommands;
class LinkLabel;
class ReadingWindow;
class WelcomePanel;
class WorkArea;

class MainWindow final : public QMainWindow, public ReadingHost {
    Q_OBJECT
public:
    MainWindow(Platform& platform, ReadingState& readings);
    ~MainWindow() override;

    void OpenReading(ReadingKind kind);
    // Unloads the six reading windows in their fixed order.
    void unloadReadingWindows();

    void cmdSelectOption_Click(int index);
    void mnuAbout_Click();

    // ReadingHost
    Platform& platform() override { return platform_; }
    ReadingState& readings() override { return readings_; }
    SignPictures& signPictures() override { return signPictures_; }
    void setWelcomeVisible(bool visible) override;
    void present(ReadingSlot slot, QWidget* window) override;
    void showAbout(QWidget* over) override;

    // For tests and benchmarks: what is on screen.
    bool isWelcomeVisible() const;
    // The live window of a slot, or null.
    QWidget* readingWindow(ReadingSlot slot) const;

    // Restored from maximised: the strips whole and the design's height. Smaller, the strips
    // lose controls.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The main window has been unloaded: the program is to end.
    void ended();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createActions();
    void createStrips();
    QWidget* createBannerStrip(QWidget* central);
    QWidget* createOptionStrip(QWidget* central);
    QWidget* createWorkArea(QWidget* central);
    QWidget* createFooter(QWidget* central);
    void createMenus();
    void placeFromScreenWidth();
    // How wide the strips' controls reach, in pixels, placed from the screen's width.
    int stripsWidth() const;
    // The reading window on screen (there is at most one), or null; `leaving` is a reading
    // window on its way out, or null.
    ReadingWindow* activeReadingWindow(const QMdiSubWindow* leaving) const;
    void updateMenus(const QMdiSubWindow* leaving);

    Platform& platform_;
    ReadingState& readings_;
    SignPictures signPictures_;
    double screenWidth_ = 0; // twips
    bool ending_ = false;

    QAction* mnuExit_ = nullptr;
    HelpCommands* help_ = nullptr;
    QList<QAction*> mainMenus_;
    LinkLabel* lblSelvaneBanner_ = nullptr;
    QWidget* picButtonContainer_ = nullptr;
    QButtonGroup* cmdSelectOption_ = nullptr;
    WelcomePanel* picMain_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    WorkArea* workArea_ = nullptr;
    QPushButton* cmdMdiExit_ = nullptr;
    std::array<QPointer<QMdiSubWindow>, kReadingSlotCount> readingWindows_{};
};

} // namespace orbis
