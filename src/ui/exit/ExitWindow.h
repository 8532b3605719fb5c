#pragma once

#include "ui/exit/Referral.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace geomancy {
class RandomSource;
}

// frmExit: shown when the main window has gone. It asks the user to support
// the maker's site, offers a refer-a-friend form and stays on top until it
// is closed, which ends the program (the closed() signal).
class ExitWindow : public QWidget {
    Q_OBJECT
public:
    // Reseeds random and draws the support message shown.
    explicit ExitWindow(geomancy::RandomSource& random, QWidget* parent = nullptr);

    // The four support messages; index 1 is also the design-time text.
    static QString SupportMessage(int index);
    static constexpr int SupportMessageCount = 4;

    // The trimmed box contents as a referral.
    referral::Values referralValues() const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createReferralFrame();
    void createSoftwareFrame();
    void arrangeTabOrder();
    void pickSupportMessage(geomancy::RandomSource& random);

    void Check1_Click(bool checked);
    void cmdSubmit_Click();

    QLabel* label2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtFriendName_ = nullptr;
    QLineEdit* txtFriendEmail_ = nullptr;
    QPushButton* cmdSubmit_ = nullptr;
    QPlainTextEdit* txtMessage_ = nullptr;
};
