// Where the stock goes when a best time or a renewal changes it.
#pragma once

namespace dravik {

class Stock;

// The working copy of the stock file.
class StockWriter {
  public:
    virtual ~StockWriter() = default;
    // Writes all 500 records; false when the file could not be written.
    virtual bool WriteStock(const Stock& stock) = 0;
};

} // namespace dravik
