// RecordingSurface: a PrintSurface that keeps what was printed where, for exact layout tests
// of the printouts. Each text is kept with its page, its line and the position and font in
// force; nothing is measured, so a line is counted rather than placed in twips.
#pragma once

#include "app/printing/rules/PrintSurface.h"

#include <optional>
#include <vector>

namespace qel::printing {

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
};

inline constexpr int kContinued = -1;

class RecordingSurface : public PrintSurface {
public:
    void setFontName(const std::string& face) override { face_ = face; }
    void setFontSize(double points) override { points_ = points; }
    void setBold(bool bold) override { bold_ = bold; }
    void setOrientation(Orientation orientation) override { orientation_ = orientation; }
    Orientation orientation() const override { return orientation_; }
    void setX(int twips) override {
        x_ = twips;
        xSet_ = true;
    }
    void setY(int twips) override;
    void print(std::string_view text, bool endLine) override;
    void newPage() override;
    void endDoc() override;

    // Every print from the n-th on (from 1) throws kPrinterError, as a printer that fails.
    void failFromPrint(int n) { failFrom_ = n; }

    const std::vector<PrintedText>& texts() const { return texts_; }
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

    std::string face_;
    double points_ = 8.25;
    bool bold_ = false;
    Orientation orientation_ = Orientation::Portrait;
    int x_ = 0;
    bool xSet_ = true;
    int y_ = 0;
    int line_ = 0;
    int page_ = 1;
    bool open_ = false;
    int prints_ = 0;
    int failFrom_ = 0;
    int jobsEnded_ = 0;
    std::vector<Orientation> pageOrientations_;
    std::vector<PrintedText> texts_;
};

} // namespace qel::printing
