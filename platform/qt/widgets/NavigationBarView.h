#pragma once
// The shell's navigation bar: the title the program last set and, on the
// right, the caption button of the dialog that runs: OK where its template
// asks for it, a close button where the template has a caption with a system
// menu and no OK button, so that a dialog can be left without a keyboard or
// a window manager.

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

class NavigationBarView : public QWidget {
public:
    NavigationBarView(std::function<void()> captionOk, std::function<void()> close, QWidget* parent);

    enum class CaptionButton { None, Ok, Close };

    void SetTitle(const QString& title);
    QString Title() const;
    void SetCaptionButton(CaptionButton button);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* AddButton(const QString& name, const QString& text, std::function<void()> action);

    QLabel* m_title;
    QPushButton* m_ok;
    QPushButton* m_close;
};
