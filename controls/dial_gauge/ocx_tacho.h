#pragma once
// The dial gauge: a value from 0 to a full-scale maximum on a 270-degree
// scale, with a pointer, the value in large digits, a drag mark at the
// highest value reached and a caption.
//
// The box the gauge draws on keeps what was drawn: the scale layer is drawn
// once into a retained image (the box's background picture); a value or
// colour change clears the box back to that image and draws only the pointer
// layer on top. Size, outer colour and full-scale changes redraw both layers.
#include <QImage>
#include <QString>
#include <QWidget>

#include "dial_gauge_geometry.h"
#include "hosted_control.h"

namespace kav::controls {

class ocxTacho : public QWidget, public HostedControl {
    Q_OBJECT
    Q_PROPERTY(qint32 AusenFarbe READ AusenFarbe WRITE setAusenFarbe NOTIFY AusenFarbeChanged)
    Q_PROPERTY(qint32 AusenBuchstabenFarbe READ AusenBuchstabenFarbe WRITE setAusenBuchstabenFarbe NOTIFY
                   AusenBuchstabenFarbeChanged)
    Q_PROPERTY(qint16 AktuellAnzahl READ AktuellAnzahl WRITE setAktuellAnzahl NOTIFY AktuellAnzahlChanged)
    Q_PROPERTY(
        qint32 AktuellAnzahlFarbe READ AktuellAnzahlFarbe WRITE setAktuellAnzahlFarbe NOTIFY AktuellAnzahlFarbeChanged)
    Q_PROPERTY(qint16 MaxAnzahl READ MaxAnzahl WRITE setMaxAnzahl NOTIFY MaxAnzahlChanged)
    Q_PROPERTY(
        qint32 AktMaxAnzahlFarbe READ AktMaxAnzahlFarbe WRITE setAktMaxAnzahlFarbe NOTIFY AktMaxAnzahlFarbeChanged)
    Q_PROPERTY(QString BenutzerText READ BenutzerText WRITE setBenutzerText NOTIFY BenutzerTextChanged)

public:
    static constexpr qint32 kDefaultAusenFarbe = 0;
    static constexpr qint32 kDefaultAusenBuchstabenFarbe = 8421504;
    static constexpr qint16 kDefaultAktuellAnzahl = 0;
    static constexpr qint32 kDefaultAktuellAnzahlFarbe = 0x800000;
    static constexpr qint16 kDefaultMaxAnzahl = 6000;
    static constexpr qint32 kDefaultAktMaxAnzahlFarbe = 255;
    // Back colour of the box: the system's button face.
    static constexpr qint32 kBoxBackColour = static_cast<qint32>(0x8000000Fu);

    explicit ocxTacho(QWidget* parent = nullptr);
    ~ocxTacho() override;

    qint32 AusenFarbe() const { return m_AusenFarbe; }
    qint32 AusenBuchstabenFarbe() const { return m_AusenBuchstabenFarbe; }
    qint16 AktuellAnzahl() const { return m_AktuellAnzahl; }
    qint32 AktuellAnzahlFarbe() const { return m_AktuellAnzahlFarbe; }
    qint16 MaxAnzahl() const { return m_MaxAnzahl; }
    qint32 AktMaxAnzahlFarbe() const { return m_AktMaxAnzahlFarbe; }
    QString BenutzerText() const { return m_BenutzerText; }

    void setAusenFarbe(qint32 value);
    void setAusenBuchstabenFarbe(qint32 value);
    void setAktuellAnzahl(qint16 value);
    void setAktuellAnzahlFarbe(qint32 value);
    void setMaxAnzahl(qint16 value);
    void setAktMaxAnzahlFarbe(qint32 value);
    void setBenutzerText(const QString& value);

    // HostedControl
    QWidget* widget() override { return this; }
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void setAmbientUserMode(bool userMode) override { m_userMode = userMode; }
    bool ambientUserMode() const override { return m_userMode; }

    // Internal state, readable for the host's diagnostics and for tests.
    qint16 MaxErreicht() const { return m_MaxErreicht; }
    bool SkalaNeu() const { return m_SkalaNeu; }
    int scaleDrawCount() const { return m_scaleDraws; }
    int pointerDrawCount() const { return m_pointerDraws; }
    const tacho::ScaleLayout& scaleGeometry() const { return m_scale; }
    const tacho::PointerLayout& pointerGeometry() const { return m_pointer; }
    QImage scaleImage() const { return m_scaleImage; } // null until the scale is drawn
    QImage boxImage() const { return m_box; }

    // Instances alive in this library (DllCanUnloadNow).
    static int liveInstances();

signals:
    void AusenFarbeChanged(qint32 value);
    void AusenBuchstabenFarbeChanged(qint32 value);
    void AktuellAnzahlChanged(qint16 value);
    void AktuellAnzahlFarbeChanged(qint32 value);
    void MaxAnzahlChanged(qint16 value);
    void AktMaxAnzahlFarbeChanged(qint32 value);
    void BenutzerTextChanged(const QString& value);
    // The host persists the named property.
    void propertyChanged(const QString& name);

    // The control's events. InitProperties shares its name with the lifecycle
    // call above; the private tag keeps the two apart (its signature is
    // "InitProperties()" for string-based connections).
    void Resize();
    void Show();
    void InitProperties(QPrivateSignal);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Stored {
        qint32 ausenFarbe;
        qint32 ausenBuchstabenFarbe;
        qint16 aktuellAnzahl;
        qint32 aktuellAnzahlFarbe;
        qint16 maxAnzahl;
        qint32 aktMaxAnzahlFarbe;
        QString benutzerText;
    };
    // Stores values as read or as defaults, without range checks or redraws.
    void storeAll(const Stored& values);
    void markChanged(const char* name);

    void onShow();
    void onResize();
    void SkalaZeichnen();
    void ZeigerZeichnen();
    int widthTwips() const { return width() * tacho::kTwipsPerPixel; }
    int heightTwips() const { return height() * tacho::kTwipsPerPixel; }

    qint32 m_AusenFarbe = kDefaultAusenFarbe;
    qint32 m_AusenBuchstabenFarbe = kDefaultAusenBuchstabenFarbe;
    qint16 m_AktuellAnzahl = kDefaultAktuellAnzahl;
    qint32 m_AktuellAnzahlFarbe = kDefaultAktuellAnzahlFarbe;
    qint16 m_MaxAnzahl = kDefaultMaxAnzahl;
    qint32 m_AktMaxAnzahlFarbe = kDefaultAktMaxAnzahlFarbe;
    QString m_BenutzerText;

    qint16 m_MaxErreicht = 0;
    bool m_SkalaNeu = true;
    bool m_userMode = true;

    QImage m_box;        // what the box shows
    QImage m_scaleImage; // the box's background picture: the scale layer
    tacho::ScaleLayout m_scale;
    tacho::PointerLayout m_pointer;
    int m_scaleDraws = 0;
    int m_pointerDraws = 0;
};

} // namespace kav::controls
