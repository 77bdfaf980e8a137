#pragma once
// The About box: title, version, credits, author and a mail link.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrel::app {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    void Form_Load();
    void cmdOK_Click();
    void txtLink_Click();
    // X and Y in the link's own pixels.
    void txtLink_MouseMove(int X, int Y);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtLink = nullptr;
    QPushButton* cmdOK = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void drawIcon();
    void fitToText();
};

}  // namespace tavrel::app
