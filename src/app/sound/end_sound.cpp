#include "sound/end_sound.hpp"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>

#include "sound/wave_file.hpp"

namespace vertanum::app {

bool PlayWaveFromMemory(std::span<const std::uint8_t> wave) {
    const auto parsed = ParseWave(wave);
    if (!parsed || parsed->channels == 0) return false;
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(parsed->sample_rate));
    format.setChannelCount(parsed->channels);
    switch (parsed->bits_per_sample) {
        case 8:
            format.setSampleFormat(QAudioFormat::UInt8);
            break;
        case 16:
            format.setSampleFormat(QAudioFormat::Int16);
            break;
        default:
            return false;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format)) return false;

    // The sink and its buffer go away once the sound has been played out.
    auto* sink = new QAudioSink(device, format, QCoreApplication::instance());
    auto* buffer = new QBuffer(sink);
    buffer->setData(reinterpret_cast<const char*>(parsed->samples.data()),
                    static_cast<int>(parsed->samples.size()));
    buffer->open(QIODevice::ReadOnly);
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState) sink->deleteLater();
    });
    sink->start(buffer);
    if (sink->error() != QAudio::NoError) {
        sink->deleteLater();
        return false;
    }
    return true;
}

}  // namespace vertanum::app
