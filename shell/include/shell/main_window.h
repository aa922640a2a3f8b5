// frmMDI: the main window with its welcome panel, option buttons and the reading windows inside.
#pragma once

#include "windows/reading_host.h"
#include "windows/sign_pictures.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace orbis {

class LinkLabel;
class WorkArea;

// The welcome panel picMain holds the labels lblCaption 0 to 5.
inline constexpr int kWelcomeCaptionCount = 6;

class MainWindow final : public QMainWindow, public ReadingHost {
    Q_OBJECT
public:
    MainWindow(Platform& platform, ReadingState& readings);
    ~MainWindow() override;

    void OpenReading(ReadingKind kind);
    // Unloads the six reading windows in their fixed order.
    void unloadReadingWindows();

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);

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
    void createMenus();
    void createBanner(QWidget* strip);
    void createOptionButtons(QWidget* strip);
    void createWelcomePanel();
    void createFooter(QWidget* strip);
    void placeFromScreenWidth();
    // How wide the strips' controls reach, in pixels, placed from the screen's width.
    int stripsWidth() const;
    // `leaving` is a reading window on its way out, or null.
    void showMenusOf(const QMdiSubWindow* leaving);
    void setCaptionUnderline(int index, bool underline);

    Platform& platform_;
    ReadingState& readings_;
    SignPictures signPictures_;
    double screenWidth_ = 0; // twips
    bool ending_ = false;

    QList<QAction*> mainMenus_;
    QMdiArea* mdiArea_ = nullptr;
    WorkArea* workArea_ = nullptr;
    QWidget* picMain_ = nullptr;
    LinkLabel* lblSelvaneBanner_ = nullptr;
    QWidget* picButtonContainer_ = nullptr;
    std::array<QLabel*, kWelcomeCaptionCount> lblCaption_{};
    QPushButton* cmdMdiExit_ = nullptr;
    std::array<QPointer<QMdiSubWindow>, kReadingSlotCount> readingWindows_{};
};

} // namespace orbis
