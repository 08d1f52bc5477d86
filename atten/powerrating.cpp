#include "powerrating.h"

#include <cmath>

namespace corvane {

namespace {

struct Rating
{
    double watts;
    const char *text;
};

constexpr Rating ratings[] = {
    { 0.125, "1/8 W" }, { 0.25, "1/4 W" }, { 0.5, "1/2 W" }, { 1, "1 W" },   { 2, "2 W" },     { 3, "3 W" },
    { 5, "5 W" },       { 10, "10 W" },    { 25, "25 W" },   { 50, "50 W" }, { 100, "100 W" },
};

} // namespace

double PowerRating::forDissipation(double watts)
{
    if (!(watts >= 0) || !std::isfinite(watts))
        return 0;
    for (const Rating &r : ratings)
        if (r.watts >= Derating * watts)
            return r.watts;
    return 0;
}

QString PowerRating::text(double ratingWatts)
{
    for (const Rating &r : ratings)
        if (r.watts == ratingWatts)
            return QString::fromLatin1(r.text);
    return QStringLiteral("over 100 W");
}

} // namespace corvane
