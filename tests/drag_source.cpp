// A small window that hands its text over by drag and drop, as another program would: the
// end-to-end tests drag from it into the box with real X input.
//   drag_source TEXT X Y     shows TEXT at (X, Y) on the screen
#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>

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
        drag->exec(Qt::CopyAction);
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
