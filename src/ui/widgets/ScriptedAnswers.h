#pragma once

#include <QList>

#include <utility>

// The test hook of a modal service (a message box, a file or printer
// dialog). In scripted mode the service shows nothing: it records what it
// would have shown and takes the next queued answer in place of the user's,
// or its own fallback when none is queued, so that no test is ever left
// waiting on a modal window.
template <typename Answer, typename Shown> class ScriptedAnswers {
public:
    bool isScripted() const { return scripted_; }
    void setScripted(bool scripted) { scripted_ = scripted; }

    void queueAnswer(Answer answer) { answers_.append(std::move(answer)); }

    // Records `shown` and returns the answer to act on.
    Answer answer(Shown shown, Answer fallback) {
        shown_.append(std::move(shown));
        return answers_.isEmpty() ? std::move(fallback) : answers_.takeFirst();
    }

    const QList<Shown>& shown() const { return shown_; }

    // Forgets the queued answers and the record; the mode stays.
    void clear() {
        answers_.clear();
        shown_.clear();
    }

private:
    bool scripted_ = false;
    QList<Answer> answers_;
    QList<Shown> shown_;
};
