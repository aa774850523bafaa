// RecordingSurface: a PrintSurface that keeps what was printed where, for exact layout tests
// of the printouts. Each text is kept with its page, its line and the position and font in
// force, and with the box it takes on the page, measured as the printer measures the fixed-pitch
// face of the printouts (Liberation Mono, metric-compatible with Courier New: every character
// advances 0.6 em and a line is 1.1328 em high; an em is the size in points x 20 twips).
#pragma once

#include "app/printing/rules/PrintSurface.h"

#include <optional>
#include <string>
#include <vector>

namespace qel::printing {

// The printable area of US Letter on the program's printer by default (a PDF printer leaves
// 200 twips unprinted at each edge), portrait.
inline constexpr PageArea kLetterPrintable{11840, 15440};

struct PrintedText {
    int page = 1;
    // The Y last set on the page, and how many line ends came after it.
    int y = 0;
    int line = 0;
    // The X set for this text, or kContinued when it follows the text before it.
    int x = 0;
    std::string text;
    std::string face;
    double points = 0;
    bool bold = false;
    bool endsLine = false;
    // The box the text takes, in twips from the top-left corner of the printable area.
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

inline constexpr int kContinued = -1;

class RecordingSurface : public PrintSurface {
public:
    void setFontName(const std::string& face) override { face_ = face; }
    void setFontSize(double points) override { points_ = points; }
    void setBold(bool bold) override { bold_ = bold; }
    void setOrientation(Orientation orientation) override { orientation_ = orientation; }
    Orientation orientation() const override { return orientation_; }
    PageArea printableArea() const override { return areaOf(orientation_); }
    double textWidth(std::string_view text) const override;
    double lineHeight() const override;
    void setX(int twips) override {
        x_ = twips;
        xSet_ = true;
        left_ = twips;
    }
    void setY(int twips) override;
    double currentY() const override { return top_; }
    void print(std::string_view text, bool endLine) override;
    void newPage() override;
    void endDoc() override;

    // Every print from the n-th on (from 1) throws kPrinterError, as a printer that fails.
    void failFromPrint(int n) { failFrom_ = n; }
    // The printable area of a portrait page (landscape pages turn it); kLetterPrintable unless set.
    void setPortraitArea(PageArea area) { portrait_ = area; }
    // The printable area of a page in an orientation, and of page n of the last job.
    PageArea areaOf(Orientation orientation) const;
    PageArea pageArea(int page) const;

    const std::vector<PrintedText>& texts() const { return texts_; }
    // The texts printed (empty ones aside) that do not lie within the printable area of their
    // page, each as "page P 'text' at X, Y width W beyond AREA_W x AREA_H"; none when all fit.
    std::vector<std::string> textsBeyondPage() const;
    // Pages of the last job (0 before any print), their orientations and the jobs ended.
    int pages() const { return static_cast<int>(pageOrientations_.size()); }
    const std::vector<Orientation>& pageOrientations() const { return pageOrientations_; }
    int jobsEnded() const { return jobsEnded_; }
    bool jobOpen() const { return open_; }

    // The texts of one line of a page joined as printed (empty texts included).
    std::string lineText(int page, int y, int line) const;
    // The lines of a page in order: for each line end, the texts printed on that line joined.
    std::vector<std::string> pageLines(int page) const;
    // The texts printed on a page, in order.
    std::vector<PrintedText> pageTexts(int page) const;
    // The first text of the page that is exactly `text`; nothing when none was printed.
    std::optional<PrintedText> find(int page, const std::string& text) const;

private:
    // The first text or page break of a job opens it: the texts of the job before are dropped.
    void openJob();
    // Places the next text at the top-left corner, as a new page or job starts.
    void toCorner();

    PageArea portrait_ = kLetterPrintable;
    std::string face_;
    double points_ = 8.25;
    bool bold_ = false;
    Orientation orientation_ = Orientation::Portrait;
    int x_ = 0;
    bool xSet_ = true;
    int y_ = 0;
    int line_ = 0;
    // Where the next text goes, measured, in twips.
    double left_ = 0;
    double top_ = 0;
    int page_ = 1;
    bool open_ = false;
    int prints_ = 0;
    int failFrom_ = 0;
    int jobsEnded_ = 0;
    std::vector<Orientation> pageOrientations_;
    std::vector<PrintedText> texts_;
};

} // namespace qel::printing
