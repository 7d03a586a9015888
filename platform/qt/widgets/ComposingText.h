#pragma once
// Korean is typed through an input method: the syllable being composed shows
// in the edit, but is not yet part of its text, so neither the framework nor
// the program has it. The input method commits it when it sees fit, which
// with many of them is after a tap elsewhere has already acted on the field:
// the last syllable is lost or lands in the next field. Everything that acts
// commits it here first, the input method's way if it has one, else as shown.

#include <QPointer>
#include <QString>

class QLineEdit;

class ComposingText {
public:
    // What an input-method event leaves being composed in the edit.
    static void Composing(QLineEdit* edit, const QString& preedit);
    static bool IsComposing();
    // Makes the syllable being composed part of its edit's text, as typed.
    static void CommitPending();

private:
    static QPointer<QLineEdit>& Edit();
    static QString& Preedit();
};
