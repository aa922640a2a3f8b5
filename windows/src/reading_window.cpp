// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The shared parts of the reading windows.
#include "windows/reading_window.h"

#include "common/colours.h"
#include "common/form.h"
#include "common/link_label.h"
#include "common/menus.h"
#include "common/web_pages.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbis {

namespace {
const QString kFullBrandText = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.");
const QString kBannerText =
    QStringLiteral("Talk about your chart with other readers in the Selvane forum");
const QString kCoBrandText = QStringLiteral(
    "Co-brand this software for your site. Put your own site's name and link into Orbis "
    "Tessary and give it to your visitors. Click Here for more info on co-branding.");
} // namespace

ReadingWindow::ReadingWindow(ReadingHost& host, const QString& objectName, const QString& caption)
    : host_(host)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    layout->addWidget(client_);
}

QAction* ReadingWindow::addFileCommand(const QString& itemName, const QString& caption,
                                       QPushButton* button)
{
    QAction* command = CreateCommand(this, itemName, caption);
    connect(button, &QPushButton::clicked, command, &QAction::trigger);
    fileCommands_.append(command);
    return command;
}

void ReadingWindow::finishWindow(MenuFamily family, QPushButton* defaultAndCancel)
{
    auto* help = new HelpCommands(this, family, host_.platform());
    connect(help->mnuAbout, &QAction::triggered, this, &ReadingWindow::mnuAbout_Click);
    menuBarActions_ = ArrangeMenuBar(this, family, fileCommands_, *help);
    defaultAndCancel_ = defaultAndCancel;
    // Drawn as the button Enter presses.
    defaultAndCancel_->setDefault(true);
}

void ReadingWindow::mnuAbout_Click()
{
    host_.showAbout(this);
}

void ReadingWindow::setUpClient(double width, double height, const QColor& background,
                                const QColor& text)
{
    client_->setFixedSize(TwipsSize(width, height));
    client_->setPalette(ColouredPalette(client_->palette(), background, text));
}

LinkLabel* ReadingWindow::addBanner(QWidget* strip, const TwipsBox& box, double points)
{
    auto* banner = Place(new LinkLabel(kBannerText, strip), QStringLiteral("Label61"), box,
                         {.font = Typeface{points, true},
                          .text = colours::TextOnStrip(strip->palette().color(QPalette::Window))});
    banner->setAlignment(Qt::AlignCenter);
    connect(banner, &LinkLabel::clicked, this,
            [this] { OpenWebPage(host_.platform(), WebPage::HomePage); });
    return banner;
}

void ReadingWindow::addPromotionalLabels(QWidget* parent, const TwipsBox& box,
                                         const QColor& background, bool coBrandInFront)
{
    auto make = [&](const QString& name, const QString& caption, WebPage page) {
        auto* label = Place(new LinkLabel(caption, parent), name, box,
                            {.font = Typeface{8, true, true},
                             .text = colours::TextOnStrip(background),
                             .background = background,
                             .filled = true});
        label->setWordWrap(true);
        connect(label, &LinkLabel::clicked, this,
                [this, page] { OpenWebPage(host_.platform(), page); });
        return label;
    };
    LinkLabel* fullBrand =
        make(QStringLiteral("lblFullBrand"), kFullBrandText, WebPage::FullyBranded);
    LinkLabel* coBrand = make(QStringLiteral("lblCobrand"), kCoBrandText, WebPage::CoBrand);
    (coBrandInFront ? coBrand : fullBrand)->raise();
}

QPushButton* ReadingWindow::addButton(QWidget* parent, const QString& name, const QString& caption,
                                      const TwipsBox& box, const QColor& face)
{
    return Place(new QPushButton(caption, parent), name, box,
                 {.font = Typeface{8.25, true}, .text = colours::Black, .face = face});
}

QMdiSubWindow* ReadingWindow::subWindow() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void ReadingWindow::setKeyboardOrder(const QList<QWidget*>& order)
{
    keyboardOrder_.clear();
    for (QWidget* widget : order)
        keyboardOrder_.append(widget);
    for (qsizetype i = 1; i < keyboardOrder_.size(); ++i)
        setTabOrder(keyboardOrder_[i - 1], keyboardOrder_[i]);
}

bool ReadingWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ParentChange) {
        for (qsizetype i = 1; i < keyboardOrder_.size(); ++i)
            setTabOrder(keyboardOrder_[i - 1], keyboardOrder_[i]);
    }
    return handled;
}

void ReadingWindow::unload()
{
    if (QMdiSubWindow* frame = subWindow())
        frame->close();
    else
        close();
}

void ReadingWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && defaultAndCancel_) {
        defaultAndCancel_->click();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && defaultAndCancel_) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused ? focused : defaultAndCancel_)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ReadingWindow::closeEvent(QCloseEvent* event)
{
    host_.setWelcomeVisible(true);
    QWidget::closeEvent(event);
}

} // namespace orbis
