#pragma once

namespace corvane {

// The bridged-T pad for equal impedances Z on both sides: two series arms
// of Z from the input and the output to the centre, the bridge Z (K - 1)
// straight from input to output and the shunt Z / (K - 1) from the centre to
// ground, with K = 10^(dB / 20). Terminated in Z it presents Z and divides
// the voltage by K.
struct BridgedTPad
{
    bool valid = false;
    double seriesOhm = 0; // each of the two arms
    double bridgeOhm = 0;
    double shuntOhm = 0;

    struct Power
    {
        bool valid = false;
        double inputWatts = 0;
        double inputArm = 0;
        double outputArm = 0;
        double bridge = 0;
        double shunt = 0;
        double load = 0;
    };

    static BridgedTPad design(double z, double db);
    // The power in each part and in the load when 'inputWatts' enters the
    // pad terminated in 'z', from the two node voltages of the network.
    Power power(double z, double inputWatts) const;
};

} // namespace corvane
