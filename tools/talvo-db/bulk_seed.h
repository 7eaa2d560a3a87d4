#pragma once

#include <functional>

// Fills the database with `sales` counter sales of five lines each, spread over
// past days (the newest today), as a busy shop would have them after years.
// All but the last thousand are validated. The rows are made by the server in
// batches; progress(done, total) is called after each batch. Throws DbError.
void seedBulkSales(int sales, const std::function<void(int, int)> &progress);
