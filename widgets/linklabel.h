#pragma once

#include <QLabel>

namespace corvane {

// A label that works as a link: a click, or Enter or Space while it has the
// focus, emits clicked(). It takes the focus by Tab and shows it.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace corvane
