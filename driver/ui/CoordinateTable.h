#pragma once
// The graph window's coordinate table: the curve resampled at an even
// deflection step, one row per step. Cells hold numbers already rounded the
// way their texts show them (deflection 2 decimals in mm, force 3 decimals in
// kg, "." as separator), so a cell read as a number equals its text read back;
// the texts are made only when the table is copied or read as text.

#include <QString>
#include <vector>

namespace qlx::driver {

struct CoordRow {
    double Deflection = 0.0;
    double Force = 0.0;
};

class CoordinateTable {
public:
    enum class Columns { Both, ForceOnly };

    // No real curve comes near this (1000 mm at 0.01 mm); it only bounds the
    // table when the deflections are nonsense.
    static constexpr int MaxRows = 100000;

    // Resamples the points 0..count-1 (deflection ascending from the trigger
    // point on) at `step` mm and returns the number of rows.
    int Build(const double* deflection, const double* force, int count, double step);

    int RowCount() const { return int(rows_.size()); }
    const CoordRow& Row(int row) const { return rows_[std::size_t(row)]; }
    const std::vector<CoordRow>& Rows() const { return rows_; }

    // Column 0 deflection, column 1 force.
    QString CellText(int row, int column) const;

    // The rows as the clipboard gets them: cells separated by a tab, every
    // row ended by CR LF when there is more than one row.
    QString Text(Columns columns) const;

private:
    void AddRow(double deflection, double force);

    std::vector<CoordRow> rows_;
};

// Rounds to `decimals` (0..3) decimal places exactly as the fixed-notation
// text of the value shows it (halves away from zero); no negative zero.
double roundToDecimals(double value, int decimals);

} // namespace qlx::driver
