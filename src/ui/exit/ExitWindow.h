#pragma once

#include "ui/exit/ExitWindowTexts.h"
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

    // The support messages with the home page filled in; index 1 is also
    // the design-time text.
    static QString supportMessage(int index);
    static constexpr int SupportMessageCount = static_cast<int>(exittexts::SupportMessages.size());

    // The trimmed box contents as a referral.
    referral::Values referralValues() const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createReferralFrame();
    void createSoftwareFrame();
    void arrangeTabOrder();
    void pickSupportMessage(geomancy::RandomSource& random);

    void visitHomePage(bool checked);
    void submitReferral();

    QLabel* supportMessage_ = nullptr;
    QCheckBox* visitHomeBox_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QLineEdit* nameField_ = nullptr;
    QLineEdit* emailField_ = nullptr;
    QLineEdit* friendNameField_ = nullptr;
    QLineEdit* friendEmailField_ = nullptr;
    QPushButton* submitButton_ = nullptr;
    QPlainTextEdit* messageField_ = nullptr;
};
