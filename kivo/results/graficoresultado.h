#pragma once

#include "kivo/results/desenhoranking.h"

#include <QWidget>

namespace kivo {

// The ranking chart of the results screen: the bars of ranking.h at the widget's size, the part
// under the mouse outlined and told in a tooltip (alternative, criterion, weight, contribution).
// Shown only after a complete run; until then it holds nothing and paints nothing. Its texts follow
// the installed language.
class GraficoResultado : public QWidget {
    Q_OBJECT
public:
    explicit GraficoResultado(QWidget* parent = nullptr);

    // The ranking to show, its texts in the installed language.
    void mostra(ranking::Ranking ranking);

    const ranking::Ranking& ranking() const { return ranking_; }
    // Where every part stands now, in the widget's coordinates.
    ranking::Geometria geometria() const;
    // The tooltip's text at a point; empty where no part is.
    QString dicaEm(const QPointF& ponto) const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    ranking::Ranking ranking_;
    ranking::Textos textos_;
    std::pair<int, int> realce_{-1, -1};
};

}  // namespace kivo
