#include "datafile/countstext.h"

std::string CountsText(int curves, std::uint32_t points) {
    return "Curves: " + std::to_string(curves) + "  Points: " + std::to_string(points);
}
