#pragma once

class QAbstractButton;

// Lets Enter and Return press `button` while it has the focus, as Space
// does, in any kind of window. Qt's push buttons take Enter only in dialogs,
// and there only as the dialog's default button, which may be another one.
void pressOnReturn(QAbstractButton* button);
