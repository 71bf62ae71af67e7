// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sounddecode.h"
#include <QtEndian>
#include <opusfile.h>
#include <cstring>
#include <memory>

namespace {

constexpr int kRate = 48000; // opusfile always decodes at this rate
// Voices last seconds; a crafted file must not make us decode hours.
constexpr qint64 kMaxFrames = qint64(kRate) * 600;

// A cut or padded file is damaged even when its complete pages decode: the
// bytes must be whole Ogg pages, the last one marked as the stream's end.
bool WholePagesEndingTheStream(const QByteArray &b)
{
    const auto *d = reinterpret_cast<const uchar *>(b.constData());
    const qsizetype n = b.size();
    qsizetype pos = 0;
    bool lastEnds = false;
    while (pos < n) {
        if (n - pos < 27 || std::memcmp(d + pos, "OggS", 4) != 0 || d[pos + 4] != 0)
            return false;
        const int segments = d[pos + 26];
        if (n - pos < 27 + segments)
            return false;
        qsizetype body = 0;
        for (int i = 0; i < segments; ++i)
            body += d[pos + 27 + i];
        const qsizetype next = pos + 27 + segments + body;
        if (next > n)
            return false;
        lastEnds = (d[pos + 5] & 0x04) != 0;
        pos = next;
    }
    return lastEnds;
}

void Put16(QByteArray &b, quint16 v)
{
    uchar x[2];
    qToLittleEndian(v, x);
    b.append(reinterpret_cast<const char *>(x), 2);
}

void Put32(QByteArray &b, quint32 v)
{
    uchar x[4];
    qToLittleEndian(v, x);
    b.append(reinterpret_cast<const char *>(x), 4);
}

QByteArray WavHeader(int channels, quint32 dataBytes)
{
    QByteArray h;
    h.reserve(44);
    h.append("RIFF");
    Put32(h, 36 + dataBytes);
    h.append("WAVEfmt ");
    Put32(h, 16);
    Put16(h, 1); // PCM
    Put16(h, quint16(channels));
    Put32(h, kRate);
    Put32(h, quint32(kRate * channels * 2));
    Put16(h, quint16(channels * 2));
    Put16(h, 16);
    h.append("data");
    Put32(h, dataBytes);
    return h;
}

struct OpusFileCloser {
    void operator()(OggOpusFile *f) const { op_free(f); }
};

QByteArray DecodeOpus(const QByteArray &ogg)
{
    if (!WholePagesEndingTheStream(ogg))
        return {};
    int error = 0;
    std::unique_ptr<OggOpusFile, OpusFileCloser> of(
        op_open_memory(reinterpret_cast<const unsigned char *>(ogg.constData()), size_t(ogg.size()), &error));
    if (!of)
        return {};
    // one channel stays one; anything wider is mixed down to two
    const int channels = op_channel_count(of.get(), -1) == 1 ? 1 : 2;
    QByteArray pcm;
    opus_int16 buf[5760 * 2]; // 120 ms at 48 kHz, the longest Opus packet, in stereo
    for (;;) {
        const int frames = channels == 1 ? op_read(of.get(), buf, 5760, nullptr)
                                         : op_read_stereo(of.get(), buf, 5760 * 2);
        if (frames < 0)
            return {}; // a hole or a bad packet: the file is damaged
        if (frames == 0)
            break;
        if (pcm.size() / (2 * channels) + frames > kMaxFrames)
            return {};
        const qsizetype at = pcm.size();
        pcm.resize(at + qsizetype(frames) * channels * 2);
        qToLittleEndian<qint16>(buf, qsizetype(frames) * channels, pcm.data() + at);
    }
    if (pcm.isEmpty())
        return {};
    return WavHeader(channels, quint32(pcm.size())) + pcm;
}

} // namespace

bool IsOggBytes(const QByteArray &bytes)
{
    return bytes.startsWith("OggS");
}

QByteArray DecodeToWav(const QByteArray &bytes)
{
    if (bytes.startsWith("RIFF"))
        return bytes;
    if (IsOggBytes(bytes))
        return DecodeOpus(bytes);
    return {};
}
