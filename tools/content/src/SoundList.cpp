#include "Sounds.h"

namespace sounds {

const std::vector<Sound>& all() {
    // Musical sounds and crowds get a room around them; the interface sounds stay dry and close.
    static const std::vector<Sound> list{
        {QStringLiteral("click.wav"), click, QString()},
        {QStringLiteral("typekey.wav"), typekey, QStringLiteral("reverb 10 50 20"), 0.12},
        {QStringLiteral("thud3.wav"), thud, QString()},
        {QStringLiteral("fanf2.wav"), fanfareRising, QStringLiteral("reverb 40 50 70"), 0.45},
        {QStringLiteral("fanf3.wav"), fanfareCall, QStringLiteral("reverb 40 50 70"), 0.45},
        {QStringLiteral("crowd.wav"), crowdCheer, QStringLiteral("reverb 30 50 80"), 0.3},
        {QStringLiteral("cheer2.wav"), hooray, QStringLiteral("reverb 30 50 60"), 0.3},
        {QStringLiteral("klaxon.wav"), klaxon, QStringLiteral("reverb 15 50 30"), 0.2},
        {QStringLiteral("flute.wav"), flute, QStringLiteral("reverb 35 50 60"), 0.4},
        {QStringLiteral("gong.wav"), gong, QStringLiteral("reverb 20 50 60"), 0.3},
        {QStringLiteral("clap2.wav"), applause, QStringLiteral("reverb 30 50 70"), 0.3},
        {QStringLiteral("clap3.wav"), politeClapping, QStringLiteral("reverb 25 50 50"), 0.3},
        {QStringLiteral("drumroll.wav"), drumroll, QStringLiteral("reverb 25 50 50"), 0.3},
        {QStringLiteral("laser2.wav"), laser, QStringLiteral("reverb 20 50 40"), 0.25},
        {QStringLiteral("whizz.wav"), whizz, QStringLiteral("reverb 25 50 50"), 0.3},
        {QStringLiteral("clown.wav"), clownHorn, QStringLiteral("reverb 15 50 30"), 0.15},
    };
    return list;
}

} // namespace sounds
