#include "app/constants.h"

#include "core/logicalspace.h"

void PrintConstants(std::ostream& out) {
    out << "LOGICAL_ORIGIN_OFFSET=" << LogicalOriginOffset << '\n'
        << "LOGICAL_CLIENT_EXTENT=" << LogicalClientExtent << '\n'
        << "GRAPH_EXTENT=" << GraphExtent << '\n'
        << "IMAGE_SQUARE_LOW=" << ImageSquareLow << '\n'
        << "IMAGE_SQUARE_HIGH=" << ImageSquareHigh << '\n'
        << "GRID_STEP=" << LogicalGridStep << '\n';
}
