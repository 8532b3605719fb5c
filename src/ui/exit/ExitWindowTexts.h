#pragma once

#include <QString>

#include <array>

// The fixed wording of the exit window and of its refer-a-friend form.
namespace exittexts {

inline const QString ExitCaption = QStringLiteral("E&xit");
inline const QString ReferralFrameCaption = QStringLiteral("Refer A Friend");
inline const QString SubmitCaption = QStringLiteral("Refer A Friend &Now");
inline const QString SoftwareFrameCaption = QStringLiteral("Download More Free Software");
inline const QString OtherSoftwareLink = QStringLiteral("Click here to see our other programs");

inline const QString SoftwareParagraph =
    QStringLiteral("The makers of this program have written many more, all of them free to "
                   "download: astrology and "
                   "divination tools, handy utilities and small games. Every one is as easy to use "
                   "as this one and comes "
                   "without advertising windows or time limits. Have a look at the whole "
                   "collection and pick the ones "
                   "you like.");

// The check box names the maker's home page, e.g. "www.azivoder.example".
inline QString visitHomeText(const QString& homePage) {
    return QStringLiteral("Take me to %1 now to see what is new").arg(homePage);
}

// One of these asks for support, %1 being the home page; index 1 is the
// design-time text.
inline constexpr std::array<const char*, 4> SupportMessages{
    "Please support our discussion board at %1: visit it regularly and join in its discussions, so "
    "that "
    "we can keep writing programs like this one.",
    "Programs like this one are kept going by the community at %1. Please visit our discussion "
    "board "
    "often and take part in the discussions there.",
    "Enjoyed this program? Help us keep it up by dropping in at the %1 discussion board regularly "
    "and "
    "sharing your thoughts with the others.",
    "Your visits keep this software alive. Come back to the discussion board at %1 every now and "
    "then "
    "and join the conversation.",
};

} // namespace exittexts

// The form's hints, which its boxes hold as text, and what its checks say.
namespace referral {

inline const QString NamePlaceholder = QStringLiteral("Your Name");
inline const QString EmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString FriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString FriendEmailPlaceholder = QStringLiteral("Friend's Email Address");
inline const QString MessagePlaceholder = QStringLiteral("Your Message");
// The message box starts with its placeholder and a line break, so a first
// visit does not empty it.
inline const QString InitialMessage = MessagePlaceholder + QStringLiteral("\r\n");

inline const QString DistinctEmails = QStringLiteral("Please Enter Distinct Email Addresses");
inline const QString ProperEmail = QStringLiteral("Please Enter Proper Email Address");
inline const QString MissingName = QStringLiteral("Please Enter Your Name");
inline const QString MissingEmail = QStringLiteral("Please Enter Your Email");
inline const QString MissingMessage = QStringLiteral("Please Enter Your Message");
inline const QString MissingFriendName = QStringLiteral("Please Enter Your Friend's Name");
inline const QString MissingFriendEmail = QStringLiteral("Please Enter Your Friend's Email");
inline const QString BlankInEmail = QStringLiteral("Email Address Cannot Contain Space");

} // namespace referral
