#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

#include <vector>

namespace davo {

class Plano;

// The plan's chart: for each of the coming days a bar of the hours planned that day, stacked by
// activity in the order they are laid (earliest deadline at the bottom), the hours past an
// activity's deadline hatched, and the line of the day's capacity.
class GraficoPlano : public QWidget {
    Q_OBJECT
public:
    static constexpr int Dias = 28;

    explicit GraficoPlano(QWidget* parent = nullptr);

    // The plan shown; it must outlive the chart or be replaced. Nothing: an empty chart.
    void setPlano(const Plano* plano);

    // One activity's share of one day's bar, where it is drawn.
    struct Barra {
        int dia = 0;
        int atividade = 0;  // index into the plan's activities
        double horas = 0;
        double atrasadas = 0;  // of those, the hours past its deadline
        QRectF retangulo;      // in the widget's coordinates
    };
    // The bars as they are drawn at the chart's present size, day by day, bottom to top.
    std::vector<Barra> barras() const;

    // Where the capacity line is drawn, in the widget's coordinates.
    double alturaCapacidade() const;
    // The colour of an activity's bars.
    static QColor cor(int atividade);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRectF area() const;  // the plotting area, inside the axes
    double yDe(double horas) const;

    const Plano* plano_ = nullptr;
};

}  // namespace davo
