#pragma once

#include <QString>
#include <vector>

namespace talvo::logic {

// A rectangular table of texts handed to the spreadsheet export; row 0 holds the column
// headers. At most 26 columns (A to Z).
class ExportTabelle {
  public:
    static constexpr int kMaxSpalten = 26;

    ExportTabelle(int spalten, int zeilen);

    int spalten() const { return spalten_; }
    int zeilen() const { return zeilen_; }
    const QString& zelle(int spalte, int zeile) const;
    void setZelle(int spalte, int zeile, const QString& text);

  private:
    int spalten_;
    int zeilen_;
    std::vector<QString> zellen_; // row by row
};

} // namespace talvo::logic
