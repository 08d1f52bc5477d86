#pragma once

#include <QGroupBox>

namespace corvane {

// A captioned frame of the attenuator window that draws its share of the
// network drawings (the schematic lines of its frame number) over itself.
class AttenFrame : public QGroupBox
{
    Q_OBJECT
public:
    AttenFrame(int frameNumber, const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_frameNumber;
};

} // namespace corvane
