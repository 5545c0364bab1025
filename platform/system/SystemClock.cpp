#include "platform/system/SystemClock.h"

#include <QDateTime>
#include <QTimeZone>

namespace plat {

namespace {

TDateTime ToDateTime(const QDateTime& local)
{
    static const qint64 dayZero = QDate(1899, 12, 30).toJulianDay();
    const qint64 days = local.date().toJulianDay() - dayZero;
    return static_cast<double>(days) + static_cast<double>(local.time().msecsSinceStartOfDay()) / MSecsPerDay;
}

// Seconds that daylight time adds in this zone, looked for around the instant: a zone in
// standard time still has a daylight bias when it switches within a year or so.
int DaylightSecondsAround(const QTimeZone& zone, const QDateTime& at)
{
    if (const int now = zone.daylightTimeOffset(at); now != 0)
        return now;
    if (!zone.hasTransitions())
        return 0;
    const QTimeZone::OffsetData next = zone.nextTransition(at);
    if (next.atUtc.isValid() && next.atUtc < at.addDays(400) && next.daylightTimeOffset != 0)
        return next.daylightTimeOffset;
    const QTimeZone::OffsetData previous = zone.previousTransition(at);
    if (previous.atUtc.isValid() && previous.atUtc > at.addDays(-400) && previous.daylightTimeOffset != 0)
        return previous.daylightTimeOffset;
    return 0;
}

TTimeZoneInformation Describe(const QTimeZone& zone, const QDateTime& at)
{
    TTimeZoneInformation info;
    const int standardSeconds = zone.standardTimeOffset(at);
    const int totalSeconds = zone.offsetFromUtc(at);
    const int daylightSeconds = DaylightSecondsAround(zone, at);
    info.Bias = -standardSeconds / 60;
    info.DaylightBias = -daylightSeconds / 60;
    if (zone.isDaylightTime(at)) {
        info.State = tzDaylight;
        // Whatever the zone's bookkeeping, Bias + DaylightBias is the offset in force.
        info.DaylightBias = -totalSeconds / 60 - info.Bias;
    } else {
        info.State = daylightSeconds != 0 ? tzStandard : tzUnknown;
        if (info.State == tzStandard)
            info.StandardBias = -totalSeconds / 60 - info.Bias;
        else
            info.Bias = -totalSeconds / 60;
    }
    return info;
}

}  // namespace

TDateTime SystemClock::Now() const
{
    return ToDateTime(QDateTime::currentDateTime());
}

TTimeZoneInformation SystemClock::TimeZone() const
{
    return Describe(QTimeZone::systemTimeZone(), QDateTime::currentDateTimeUtc());
}

TTimeZoneInformation ZoneInformationAt(const std::string& ianaId, std::int64_t utcMSecsSinceEpoch)
{
    QTimeZone zone(QByteArray::fromStdString(ianaId));
    if (!zone.isValid())
        zone = QTimeZone::utc();
    return Describe(zone, QDateTime::fromMSecsSinceEpoch(utcMSecsSinceEpoch, QTimeZone::utc()));
}

}  // namespace plat
