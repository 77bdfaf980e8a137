// A small window that hands its text over by drag and drop, as another Qt program would: it
// offers to copy or move it, and deletes its text when the drop moved it. The end-to-end tests
// drag from it into the box with real X input; it prints each drag's end as "copy", "move" or
// "none".
//   drag_source TEXT X Y     shows TEXT at (X, Y) on the screen
#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>

#include <cstdio>

namespace {

class DragSource : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!(event->buttons() & Qt::LeftButton)) return;
        auto* data = new QMimeData;
        data->setText(text());
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction);
        if (action == Qt::MoveAction) clear();
        const char* name = action == Qt::MoveAction   ? "move"
                           : action == Qt::CopyAction ? "copy"
                                                      : "none";
        std::printf("%s\n", name);
        std::fflush(stdout);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 4) return 2;
    DragSource source(QString::fromLocal8Bit(argv[1]));
    source.setWindowTitle("Drag source");
    source.setAlignment(Qt::AlignCenter);
    source.setGeometry(QString(argv[2]).toInt(), QString(argv[3]).toInt(), 120, 60);
    source.show();
    return QApplication::exec();
}
