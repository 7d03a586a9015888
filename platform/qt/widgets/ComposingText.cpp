#include "platform/qt/widgets/ComposingText.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QLineEdit>

QPointer<QLineEdit>& ComposingText::Edit() {
    static QPointer<QLineEdit> edit;
    return edit;
}

QString& ComposingText::Preedit() {
    static QString preedit;
    return preedit;
}

void ComposingText::Composing(QLineEdit* edit, const QString& preedit) {
    Edit() = preedit.isEmpty() ? nullptr : edit;
    Preedit() = preedit;
}

bool ComposingText::IsComposing() {
    return Edit() && !Preedit().isEmpty();
}

void ComposingText::CommitPending() {
    if (!IsComposing()) return;
    // An input method commits through an event to the edit, which clears
    // what is pending here on its way in.
    QGuiApplication::inputMethod()->commit();
    if (!IsComposing()) return;
    // No input method answered (none is there, or it commits later): the
    // edit commits what it shows, and the method is told to forget it so
    // that it does not arrive a second time.
    QPointer<QLineEdit> edit = Edit();
    QInputMethodEvent commit;
    commit.setCommitString(Preedit());
    Composing(nullptr, QString());
    QCoreApplication::sendEvent(edit, &commit);
    QGuiApplication::inputMethod()->reset();
}
