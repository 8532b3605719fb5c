#pragma once

#include <QDialog>

class QPushButton;

// frmAbout: the program, its maker's home page and the branding offer.
// A new window is made for every showing, so nothing carries over.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // Shows a fresh About window modally over parent; returns when it closes.
    static void showModal(QWidget* parent);

public slots:
    // Esc and the close box press "&OK", so every way out is the same.
    void reject() override;

private:
    void createControls();

    QPushButton* okButton_ = nullptr;
};
