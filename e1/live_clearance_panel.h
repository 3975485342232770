// LiveClearancePanel: the main figures of the clearance beside the E1 pages, as the user types,
// each with its change since the declaration was opened or saved.
#pragma once
#include <QString>
#include <QWidget>
#include <array>
#include <span>

#include "tax/result_set.h"

class QTableWidget;
class QTableWidgetItem;

namespace dz {

// One figure line of the panel: a clearance line shown under its own caption, addressed by its
// result name. A joint clearance line has one figure for both persons, the others one each.
struct LiveLine {
    int line;  // the clearance line whose texts it shows
    const char16_t* caption;
    const char* result;  // the result-set field it shows
};

class LiveClearancePanel : public QWidget {
    Q_OBJECT
public:
    static const QString kTitle;      // "Εκκαθάριση"
    static constexpr int kJoint = -1;  // the person of a figure that both persons share
    static constexpr int kLineCount = 6;

    explicit LiveClearancePanel(QWidget* parent = nullptr);

    // The figure lines, the joint balance last.
    static std::span<const LiveLine> Lines();

    // The figures of `results`, with their changes against the starting point.
    void Show(const tax::ResultSet& results);
    // The figures shown become the starting point: no line shows a change.
    void ResetChanges();

    // What a figure shows: its amount and its change; empty for a name the panel does not show.
    QString Figure(const QString& result, int person) const;
    QString Change(const QString& result, int person) const;
    // The caption of the joint balance: payment, refund, or nothing to pay.
    QString BalanceCaption() const;
    // The cell of a figure (for a click or the keys), or null.
    QTableWidgetItem* FigureItem(const QString& result, int person) const;

    QTableWidget* Table() const { return table_; }
    // The keys go to the figures, on the one last chosen or the first.
    void FocusFigures();
    // As narrow as it can be with nothing cut.
    QSize sizeHint() const override;

signals:
    // A figure was clicked or Enter was pressed on it.
    void LineActivated(const QString& result, int person);
    // Escape among the figures: the keys go back to where the user was typing.
    void LeaveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Per figure line three rows: its caption, its amounts, their changes.
    static int CaptionRow(int index) { return index * 3; }
    void Activate(const QTableWidgetItem* item);

    using Amounts = std::array<std::array<double, 2>, kLineCount>;

    QTableWidget* table_ = nullptr;
    // The amounts of each line per person, now and at the starting point (a joint line uses [0]).
    Amounts now_{};
    Amounts start_{};
};

}  // namespace dz
