#pragma once

namespace orv {

// The type of a database column, as a definition row and the storage engines
// know it (the numbers are the stored type codes).
enum ColumnType : short {
    ColumnNone = 0,  // the control rows: not stored
    ColumnByte = 2,
    ColumnInt16 = 3,
    ColumnInt32 = 4,
    ColumnDouble = 7,
    ColumnText = 10,
    ColumnBytes = 11,  // bytes of any length (the device history's records)
};

}  // namespace orv
