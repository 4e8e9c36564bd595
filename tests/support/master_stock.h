// The master stock the game installs, read once per test program. The
// program defines DRAVIK_MASTER_STOCK as the file's path.
#pragma once

#include <gtest/gtest.h>

#include "game/stock/stock_file.h"

namespace dravik::test {

inline const Stock& MasterStock() {
    static const Stock stock = [] {
        Stock s;
        const StockReadResult r = ReadStock(DRAVIK_MASTER_STOCK, s);
        EXPECT_TRUE(r.ok()) << r.detail;
        return s;
    }();
    return stock;
}

} // namespace dravik::test
