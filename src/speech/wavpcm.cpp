// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavpcm.h"
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>

namespace {

void PutU32(QByteArray &b, quint32 v)
{
    char c[4];
    qToLittleEndian<quint32>(v, c);
    b.append(c, 4);
}

void PutU16(QByteArray &b, quint16 v)
{
    char c[2];
    qToLittleEndian<quint16>(v, c);
    b.append(c, 2);
}

struct WavFormat {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

// Walks the RIFF chunks: players write extra chunks (LIST, fact) and odd
// fmt sizes, so the header is not assumed to be 44 bytes.
bool FindChunks(const QByteArray &wav, WavFormat &fmt, QByteArrayView &data)
{
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return false;
    bool haveFmt = false;
    qsizetype pos = 12;
    const auto *p = reinterpret_cast<const uchar *>(wav.constData());
    while (pos + 8 <= wav.size()) {
        const QByteArray id = wav.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(p + pos + 4);
        const qsizetype body = pos + 8;
        const qsizetype avail = wav.size() - body;
        if (id == "fmt " && size >= 16 && avail >= 16) {
            fmt.format = qFromLittleEndian<quint16>(p + body);
            fmt.channels = qFromLittleEndian<quint16>(p + body + 2);
            fmt.rate = int(qFromLittleEndian<quint32>(p + body + 4));
            fmt.bits = qFromLittleEndian<quint16>(p + body + 14);
            haveFmt = true;
        } else if (id == "data") {
            // A recorder killed mid-write leaves a size past the end: take what is there.
            data = QByteArrayView(wav.constData() + body, qMin<qsizetype>(size, avail));
            return haveFmt;
        }
        pos = body + qsizetype(size) + (size & 1);
    }
    return false;
}

} // namespace

QByteArray WavFromPcm16(const Pcm16 &samples, int rate)
{
    const quint32 dataBytes = quint32(samples.size()) * 2;
    QByteArray b;
    b.reserve(44 + int(dataBytes));
    b.append("RIFF");
    PutU32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    PutU32(b, 16);
    PutU16(b, 1); // PCM
    PutU16(b, 1); // mono
    PutU32(b, quint32(rate));
    PutU32(b, quint32(rate) * 2);
    PutU16(b, 2);
    PutU16(b, 16);
    b.append("data");
    PutU32(b, dataBytes);
    for (qint16 s : samples)
        PutU16(b, quint16(s));
    return b;
}

bool Pcm16FromWav(const QByteArray &wav, Pcm16 &out)
{
    out.clear();
    WavFormat fmt;
    QByteArrayView data;
    if (!FindChunks(wav, fmt, data))
        return false;
    if (fmt.format != 1 || fmt.channels < 1 || fmt.rate < 1000 || (fmt.bits != 8 && fmt.bits != 16))
        return false;
    const int frameBytes = fmt.channels * fmt.bits / 8;
    const qsizetype frames = data.size() / frameBytes;
    const auto *d = reinterpret_cast<const uchar *>(data.data());
    std::vector<float> mono(size_t(frames), 0.0f);
    for (qsizetype f = 0; f < frames; ++f) {
        float sum = 0;
        for (int c = 0; c < fmt.channels; ++c) {
            const uchar *s = d + f * frameBytes + c * (fmt.bits / 8);
            sum += fmt.bits == 16 ? float(qFromLittleEndian<qint16>(s)) : float((int(*s) - 128) * 256);
        }
        mono[size_t(f)] = sum / float(fmt.channels);
    }
    if (fmt.rate == kSpeechRate) {
        out.resize(frames);
        for (qsizetype i = 0; i < frames; ++i)
            out[i] = qint16(std::lround(mono[size_t(i)]));
        return true;
    }
    const double step = double(fmt.rate) / kSpeechRate;
    const qsizetype n = qsizetype(double(frames) / step);
    out.resize(n);
    for (qsizetype i = 0; i < n; ++i) {
        const double x = double(i) * step;
        const auto i0 = qsizetype(x);
        const auto i1 = qMin(i0 + 1, frames - 1);
        const double t = x - double(i0);
        out[i] = qint16(std::lround(mono[size_t(i0)] * (1 - t) + mono[size_t(i1)] * t));
    }
    return true;
}

bool SaveWavAtomically(const QString &path, const Pcm16 &samples)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray wav = WavFromPcm16(samples);
    if (f.write(wav) != wav.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
