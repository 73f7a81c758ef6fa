#include "shapefactor.h"

#include "parkverdict.h"

namespace vendrix::flight {

namespace {

double shareOut(const std::vector<Flight>& flights, const parkshape::ParkShape& park) {
    int out = 0;
    for (const Flight& flight : flights) {
        const std::optional<ParkVerdict> verdict = ParkVerdict::of(flight, park);
        out += verdict && verdict->verdict == Verdict::Out ? 1 : 0;
    }
    return flights.empty() ? 0.0 : double(out) / double(flights.size());
}

std::optional<double> factorOf(double share, double leagueMean) {
    if (leagueMean <= 0.0)
        return std::nullopt;
    return 100.0 * share / leagueMean;
}

} // namespace

std::optional<ShapeFactor> ShapeFactor::sharesOf(const ShapeGrid& grid, const parkshape::ParkShape& park) {
    if (!park.isDrawable())
        return std::nullopt;
    ShapeFactor factor;
    factor.shareLhb = shareOut(grid.flights(Hand::Left), park);
    factor.shareRhb = shareOut(grid.flights(Hand::Right), park);
    return factor;
}

void ShapeFactor::scaleToLeague(std::span<std::optional<ShapeFactor>> factors) {
    double sumLhb = 0.0;
    double sumRhb = 0.0;
    int counted = 0;
    for (const std::optional<ShapeFactor>& factor : factors) {
        if (!factor)
            continue;
        sumLhb += factor->shareLhb;
        sumRhb += factor->shareRhb;
        ++counted;
    }
    for (std::optional<ShapeFactor>& factor : factors) {
        if (!factor)
            continue;
        factor->hrLhb = factorOf(factor->shareLhb, sumLhb / counted);
        factor->hrRhb = factorOf(factor->shareRhb, sumRhb / counted);
    }
}

std::vector<std::optional<ShapeFactor>>
ShapeFactor::ofParks(const ShapeGrid& grid, std::span<const std::optional<parkshape::ParkShape>> parks) {
    std::vector<std::optional<ShapeFactor>> factors(parks.size());
    for (std::size_t i = 0; i < parks.size(); ++i)
        if (parks[i])
            factors[i] = sharesOf(grid, *parks[i]);
    scaleToLeague(factors);
    return factors;
}

} // namespace vendrix::flight
