#pragma once

class QPrinter;
class QTextCursor;
class QTextDocument;

// Prints the selection of `selection` with its formatting if it has one,
// otherwise the whole document. Printing errors are not reported.
void printReport(const QTextDocument& document, const QTextCursor& selection, QPrinter& printer);
