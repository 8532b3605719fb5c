#pragma once

// Lets the window program answer --help and --version in the console it was
// typed into. A Windows program built for the window subsystem gets no
// console, so what it prints would go nowhere: it borrows the console of the
// command prompt that started it. Output already sent to a file or a pipe
// stays there. Elsewhere this does nothing.
void useParentConsole();
