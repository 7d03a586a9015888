#pragma once
// The shell's navigation bar: the title the program last set and, for a
// dialog whose template asks for it, the caption OK button.

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

class NavigationBarView : public QWidget {
public:
    NavigationBarView(std::function<void()> captionOk, QWidget* parent);

    void SetTitle(const QString& title);
    QString Title() const;
    void SetCaptionOkShown(bool shown);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_pTitle;
    QPushButton* m_pOk;
};
