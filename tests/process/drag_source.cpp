// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Another program for the process tests to drag text from: a press starts a drag that offers its
// text to be copied or moved, and it prints what the drop target answered ("move", "copy" or
// "ignore"), then serves the text until it is ended.
// Usage: drag_source TEXT X Y   (its window's place on the screen)
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QWidget>

#include <cstdio>

namespace {

class DragSource final : public QWidget {
public:
    explicit DragSource(QString text) : text_(std::move(text))
    {
        setWindowTitle(QStringLiteral("drag source"));
        setFixedSize(160, 80);
    }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setText(text_);
        drag->setMimeData(data);
        const Qt::DropAction answer = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
        std::puts(answer == Qt::MoveAction ? "move" : answer == Qt::CopyAction ? "copy" : "ignore");
        std::fflush(stdout);
        // The target may still be fetching the text; it is served until the test ends this.
        hide();
    }

private:
    QString text_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 4)
        return 2;
    DragSource source(QString::fromUtf8(argv[1]));
    source.move(QString::fromLatin1(argv[2]).toInt(), QString::fromLatin1(argv[3]).toInt());
    source.show();
    return application.exec();
}
