#include "driver/ui/CoordinateTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace qlx::driver {
namespace {

constexpr double Scales[] = {1.0, 10.0, 100.0, 1000.0};
constexpr long long Divisors[] = {1, 10, 100, 1000};
// Below this, value × scale and its rounding are exact in double and long long.
constexpr double ExactLimit = 1e15;

// A current point must have a usable deflection: negative ones (before the
// trigger point) are skipped, and so are non-finite ones, which a bad step
// ratio produces and which would otherwise never be passed.
bool usable(double deflection)
{
    return std::isfinite(deflection) && deflection >= 0.0;
}

// The force at t on the line through the two neighbours; two neighbours at
// the same deflection give no line, so the row takes the lower one's force.
double interpolate(double xa, double ya, double xb, double yb, double t)
{
    if (xb == xa)
        return ya;
    return ya + (yb - ya) / (xb - xa) * (t - xa);
}

// Appends the fixed-notation text of a value that roundToDecimals produced.
void appendFixed(std::string& out, double rounded, int decimals)
{
    const double scale = Scales[decimals];
    if (!std::isfinite(rounded) || std::fabs(rounded) * scale >= ExactLimit) {
        out += QString::number(rounded, 'f', decimals).toStdString();
        return;
    }
    const long long scaled = std::llround(std::fabs(rounded) * scale);
    if (rounded < 0.0)
        out += '-';
    char buffer[24];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, scaled / Divisors[decimals]).ptr;
    if (decimals > 0) {
        *end++ = '.';
        long long fraction = scaled % Divisors[decimals];
        for (int d = decimals - 1; d >= 0; --d) {
            end[d] = char('0' + fraction % 10);
            fraction /= 10;
        }
        end += decimals;
    }
    out.append(buffer, end);
}

} // namespace

double roundToDecimals(double value, int decimals)
{
    const double scale = Scales[decimals];
    const double magnitude = std::fabs(value);
    if (!std::isfinite(value) || magnitude * scale >= ExactLimit)
        return value;
    // magnitude × scale is exactly product + error; the decision against the
    // half needs the exact value, as the text conversion has it.
    const double product = magnitude * scale;
    const double error = std::fma(magnitude, scale, -product);
    double whole = std::floor(product);
    const double fraction = product - whole;
    if (fraction > 0.5 || (fraction == 0.5 && error >= 0.0))
        whole += 1.0;
    if (whole == 0.0)
        return 0.0;
    const double rounded = whole / scale;
    return value < 0.0 ? -rounded : rounded;
}

void CoordinateTable::AddRow(double deflection, double force)
{
    rows_.push_back({roundToDecimals(deflection, 2), roundToDecimals(force, 3)});
}

int CoordinateTable::Build(const double* deflection, const double* force, int count, double step)
{
    rows_.clear();
    if (count < 2 || !std::isfinite(step) || step <= 0.0)
        return 0;
    const int last = count - 1;
    const double span = deflection[last] / step;
    if (std::isfinite(span) && span > 0.0)
        rows_.reserve(std::size_t(std::min(span + 2.0, double(MaxRows))));

    // The last point is only ever a neighbour: the build ends as soon as the
    // forward walk reaches it, one step beyond the second-to-last point.
    int i = 0;
    while (i < last && RowCount() < MaxRows) {
        if (!usable(deflection[i])) {
            ++i;
            continue;
        }
        const double t = RowCount() * step;
        if (t == deflection[i]) {
            AddRow(deflection[i], force[i]);
            continue;
        }
        int lower = i;
        if (t > deflection[i]) {
            do {
                lower = i++;
            } while (i < last && deflection[i] < t);
        } else {
            while (lower > 0 && deflection[lower] > t)
                --lower;
        }
        AddRow(t, interpolate(deflection[lower], force[lower], deflection[i], force[i], t));
    }
    return RowCount();
}

QString CoordinateTable::CellText(int row, int column) const
{
    std::string text;
    const CoordRow& cells = Row(row);
    if (column == 0)
        appendFixed(text, cells.Deflection, 2);
    else
        appendFixed(text, cells.Force, 3);
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString CoordinateTable::Text(Columns columns) const
{
    std::string text;
    text.reserve(rows_.size() * 24);
    const bool endRows = rows_.size() > 1;
    for (const CoordRow& row : rows_) {
        if (columns == Columns::Both) {
            appendFixed(text, row.Deflection, 2);
            text += '\t';
        }
        appendFixed(text, row.Force, 3);
        if (endRows)
            text += "\r\n";
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace qlx::driver
