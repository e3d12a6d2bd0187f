#!/usr/bin/env python3
"""Writes the report templates of this folder.

This script is the source of the templates: it keeps the parts they share (company heading,
page footer, signature lines, listings) in one place. Run it from this folder:
    python3 plantillas.py             writes the templates
    python3 plantillas.py --forzar    also replaces templates changed since it wrote them
    python3 plantillas.py --comprobar writes nothing; fails when a template is not what it writes
It notes what it wrote in plantillas.sha256 and refuses to replace a template changed since (for
example saved from the template editor), so that such a change is carried into this script
instead of being lost.
Fields are bound by column name and position, as the payroll procedures return them.
"""
import hashlib
import os
import sys
from xml.sax.saxutils import escape, quoteattr

LETTER = (215.9, 279.4)
MARGIN = 15.0


def attrs(**kw):
    out = []
    for k, v in kw.items():
        if v is None or v is False:
            continue
        if v is True:
            v = 1
        out.append(f'{k.replace("_", "-")}={quoteattr(str(v))}')
    return " ".join(out)


def text(x, y, w, h, content, **kw):
    return f'<text {attrs(x=x, y=y, w=w, h=h, **kw)}>{escape(content)}</text>'


def line(x1, y1, x2, y2, width=0.3, color=None):
    return f'<line {attrs(x1=x1, y1=y1, x2=x2, y2=y2, width=width, color=color)}/>'


def rect(x, y, w, h, width=0.3, fill=None, stretch=None, color=None):
    return f'<rect {attrs(x=x, y=y, w=w, h=h, width=width, fill=fill, stretch=stretch, color=color)}/>'


def picture(x, y, w, h, src):
    return f'<picture {attrs(x=x, y=y, w=w, h=h, src=src)}/>'


def qr(x, y, size, content, **kw):
    return f'<qr {attrs(x=x, y=y, size=size, content=content, **kw)}/>'


def band(tag, height, items, **kw):
    body = "\n".join("    " + i for i in items)
    return f'  <{tag} {attrs(height=height, **kw)}>\n{body}\n  </{tag}>'


def report(bands, page="letter", orientation=None, size=9, margin=MARGIN, margin_top=12, margin_bottom=10):
    head = attrs(page=page, orientation=orientation, margin_left=margin, margin_top=margin_top,
                 margin_right=margin, margin_bottom=margin_bottom, font="Liberation Sans", size=size)
    return f'<report {head}>\n' + "\n".join(bands) + "\n</report>\n"


def width_of(page="letter", orientation=None, margin=MARGIN):
    w, h = {"letter": LETTER, "halfletter": (215.9, 139.7)}[page]
    if orientation == "landscape":
        w = max(w, h)
    return round(w - 2 * margin, 1)


GRAY = "#e6e6e6"
DARK = "#1f3b63"


def heading(title, W, name="NombreE", rfc="RFCE", regpat="RegPatE", logo="Logo", address=True, subtitle=None):
    """Logo, company name, RFC and employer registration, the document's title."""
    x = 38 if logo else 0
    items = [
        picture(0, 0, 34, 20, f"[ANY({logo})]") if logo else "",
        text(x, 0, W - x, 7, f"[{name}]", size=13, bold=True, color=DARK, shrink=True, wrap=0),
        text(x, 7.5, W - x, 5, f"R.F.C.: [{rfc}]     Registro patronal: [{regpat}]", size=8.5),
    ]
    y = 12.5
    if address:
        items.append(text(x, y, W - x, 5, "[ANY(direccionEmpresa)] [ANY(entidadEmpresa)]", size=8, color="#444444"))
    y = 22
    items.append(line(0, y, W, y, width=0.6, color=DARK))
    items.append(text(0, y + 2, W, 7, title, size=12, bold=True, align="center"))
    h = y + 10
    if subtitle:
        items.append(text(0, y + 9, W, 5, subtitle, size=9, align="center"))
        h += 5
    return [i for i in items if i], h


def footer(W, note="Documento generado en el Portal del Empleado"):
    return band("pagefooter", 9, [
        line(0, 1, W, 1, width=0.2, color="#777777"),
        text(0, 2, W / 2, 5, note + " el [FORMATDATE(DATE)] [TIME]", size=7, color="#555555"),
        text(W / 2, 2, W / 2, 5, "Página [PAGE] de [TOTALPAGES]", size=8, align="right"),
    ])


def signature(x, y, w, caption, name=None, picture_src=None, row=4.5, size=8):
    items = []
    if picture_src:
        items.append(picture(x + w / 2 - 20, y - 17, 40, 16, picture_src))
    items.append(line(x, y, x + w, y, width=0.3))
    if name:
        items.append(text(x, y + 0.5, w, row, name, align="center", size=size + 0.5, bold=True))
        y += row
    items.append(text(x, y + 0.5, w, row, caption, align="center", size=size))
    return items


def listing(title, columns, W, head, extra_title=None, summary=None, page="letter", orientation=None,
            group=None, empty_note=True, size=8.5):
    """A table over "Datos": heading, column titles on every page, rows, totals."""
    head_items, head_h = head
    title_items = list(head_items)
    if extra_title:
        for i, item in enumerate(extra_title):
            title_items.append(item)
        head_h += 6
    title_items = [i for i in title_items]
    bands = [band("title", head_h + 2, title_items)]
    x = 0.0
    header_items = [rect(0, 0, W, 6.5, width=0.2, fill=GRAY)]
    row_items = []
    for caption, w, expr, align, *fit in columns:
        header_items.append(text(x, 0.5, w, 6, caption, bold=True, size=size - 0.5, align=align))
        if fit:  # one line, printed smaller when long
            row_items.append(text(x, 0, w, 5, expr, size=size, align=align, valign="middle", shrink=True, wrap=0))
        else:
            row_items.append(text(x, 0, w, 5, expr, size=size, align=align, stretch=True))
        x += w
    bands.append(band("pageheader", 7.5, header_items))
    if group:
        cond, ghead, gfoot = group
        bands.append(f'  <group condition={quoteattr(cond)}>\n' +
                     band("header", 7, ghead).replace("  <header", "    <header") + "\n" +
                     band("footer", 8, gfoot).replace("  <footer", "    <footer") + "\n  </group>")
    row_items.append(line(0, 5.2, W, 5.2, width=0.1, color="#bbbbbb").replace("<line ", '<line float="1" '))
    bands.append(band("data", 5.4, row_items, dataset="Datos"))
    if summary:
        bands.append(summary)
    bands.append(footer(W))
    return report(bands, page=page, orientation=orientation, size=size)


TEMPLATES = {}


def template(name):
    def register(fn):
        TEMPLATES[name] = fn
        return fn
    return register


# ---------------------------------------------------------------------------------------------
# Payroll receipts: pePortalPatronObtenDetalleRecibosFunU, one row per concept
#  1 empresa 2 nombre_empresa 3 rfc_empresa 4 registro_patronal 5 codigo 6 nombre 7 rfc 8 curp
#  9 afiliacion 10 departamento 11 puesto 12 ayo 13 periodo 14 nomina 15 tipo_nomina 16 inicio
#  17 cierre 18 fecha_pago 19 dias 20 sueldo_diario 21 tipo 22 concepto 23 descripcion 24 importe
#  25 percepcion 26 deduccion 27 total_percepciones 28 total_deducciones 29 neto 30 uuid
#  31 no_certificado 32 no_certificado_sat 33 fecha_timbrado 34 sello_cfd 35 sello_sat 36 cadena_timbre
# The stamp columns (31 to 36) are read through ANY(), so a procedure without them still prints.

STAMPED = "[not EMPTY(ANY(uuid.030))]"
SEAL = "ANY(sello_cfd.034)"
NETO = "VAL(neto.029)"
# The tax authority's verification address: UUID, issuer and receiver RFC, the total without
# non-significant zeros (at least one decimal) and the last 8 characters of the issuer's seal.
VERIFY_URL = ("https://verificacfdi.facturaelectronica.sat.gob.mx/default.aspx?id=[uuid.030]&re=[rfc_empresa.003]"
              "&rr=[rfc.007]"
              f"&tt=[IIF({NETO} = VAL(STR({NETO}, 0)), STR({NETO}, 1), STR({NETO}))]"
              f"&fe=[SUBSTR({SEAL}, LEN({SEAL}) - 7, 8)]")


def stamp(x, y, widths, compact):
    """The CFDI stamp rows: folio, certificates, stamp date, both seals and the original string.
    `widths` gives the width of each row (the first rows may sit beside another object)."""
    label_w = 22 if compact else 30
    hs = 5.2 if compact else 6.5                 # folio, certificates, date
    ls = 4.6 if compact else 5.5                 # seals and original string (shrunk to fit)
    row = 2.3 if compact else 2.9
    seal_h = 2 * 1.9 if compact else 3 * 2.3
    chain_h = 4 * 1.9 if compact else 5 * 2.3
    rows = [
        ("Folio fiscal (UUID):", "[uuid.030]", row, hs),
        ("Certificado del emisor:", "[ANY(no_certificado.031)]", row, hs),
        ("Certificado del SAT:", "[ANY(no_certificado_sat.032)]", row, hs),
        ("Fecha de certificación:", "[ANY(fecha_timbrado.033)]", row, hs),
        ("Sello digital del CFDI:", f"[{SEAL}]", seal_h, ls),
        ("Sello digital del SAT:", "[ANY(sello_sat.035)]", seal_h, ls),
        ("Cadena original del timbre:", "[ANY(cadena_timbre.036)]", chain_h, ls),
    ]
    items = []
    for i, (caption, value, h, size) in enumerate(rows):
        w = widths[min(i, len(widths) - 1)]
        # Captions on one line, so that the page's text gives each value in one piece after its caption.
        items.append(text(x, y, label_w, row, caption, size=hs - 0.7, bold=True, color="#444444", padding=0.2,
                          shrink=True, wrap=0, visible=STAMPED))
        items.append(text(x + label_w, y, w - label_w, h, value, size=size, padding=0.2, shrink=True,
                          visible=STAMPED))
        y += h + 0.3
    items.append(text(x, y, widths[-1], row, "Este documento es una representación impresa de un CFDI.",
                      size=hs - 0.5, italic=True, padding=0.2, visible=STAMPED))
    return items, y + row


def receipt(kind_title, page="letter", compact=False):
    W = width_of(page)
    s = 7.5 if compact else 9     # body font
    lh = 4 if compact else 5       # line height
    items = [
        text(0, 0, W * 0.62, 6, "[Nombre.Empresa]", size=11 if compact else 13, bold=True, color=DARK, shrink=True, wrap=0),
        text(0, lh + 1.5, W * 0.62, lh, "R.F.C.: [RFC.Empresa]     Registro patronal: [REG_PAT.Empresa]", size=s),
        text(W * 0.62, 0, W * 0.38, 6, kind_title, size=10 if compact else 12, bold=True, align="right"),
        text(W * 0.5, lh + 1.5, W * 0.5, lh, "[NombreNomina] - [TipoNomina]", size=s, align="right", shrink=True, wrap=0),
        text(W * 0.62, 2 * lh + 1.5, W * 0.38, lh, "Periodo [PeriodoImprimir] del [PeriodoDE] al [PeriodoA]", size=s,
             align="right"),
    ]
    y = 3 * lh + 3
    items.append(line(0, y, W, y, width=0.5, color=DARK))
    y += 1.5
    box_h = 4 * lh + 2
    items.append(rect(0, y, W, box_h, width=0.2))
    c1, c2, c3 = 0, W * 0.45, W * 0.72
    rows = [
        [("No. empleado", "[codigo.005]"), ("R.F.C.", "[rfc.007]"), ("Fecha de pago", "[fecha_pago.018]")],
        [("Nombre", "[nombre.006]"), ("CURP", "[curp.008]"), ("Días pagados", "[dias.019]")],
        [("Departamento", "[departamento.010]"), ("No. IMSS", "[afiliacion.009]"),
         ("Salario diario", "[MONEY(sueldo_diario.020)]")],
        [("Puesto", "[puesto.011]"), ("Ejercicio", "[ayo.012]"), ("Nómina", "[nomina.014] [tipo_nomina.015]")],
    ]
    for r, row in enumerate(rows):
        for (x, (caption, value)), w in zip(zip((c1, c2, c3), row), (W * 0.45, W * 0.27, W * 0.28)):
            items.append(text(x + 1, y + 1 + r * lh, w - 1, lh,
                              f"{caption}: {value}", size=s))
    h = y + box_h + 1
    bands = [band("title", h + 1, items)]
    cw = [20, W - 20 - 35 - 35, 35, 35]
    head = [rect(0, 0, W, lh + 1.5, width=0.2, fill=GRAY)]
    x = 0
    for caption, w, align in zip(("Clave", "Concepto", "Percepciones", "Deducciones"), cw,
                                 ("left", "left", "right", "right")):
        head.append(text(x, 0.5, w, lh, caption, bold=True, size=s, align=align))
        x += w
    bands.append(band("pageheader", lh + 2.5, head))
    row = [
        text(0, 0, cw[0], lh, "[concepto.022]", size=s),
        text(cw[0], 0, cw[1], lh, "[descripcion.023]", size=s, stretch=True),
        text(cw[0] + cw[1], 0, cw[2], lh, "[IIF(tipo.021 = 'P', FORMATNUM(importe.024), '')]", size=s, align="right"),
        text(cw[0] + cw[1] + cw[2], 0, cw[3], lh, "[IIF(tipo.021 = 'D', FORMATNUM(importe.024), '')]", size=s,
             align="right"),
    ]
    bands.append(band("data", lh, row, dataset="Datos"))
    sx = cw[0] + cw[1]
    q = 27.5                       # the QR code: the smallest side the authority allows
    qy = lh + 2
    tx = q + 2.5                   # the stamp rows, right of the code
    sm = [
        line(0, 0.5, W, 0.5, width=0.3),
        text(0, 1, sx - 25, lh, "Importe con letra: ([NUMTOWORDS(neto.029)])", size=s - 1.5, italic=True,
             valign="middle", shrink=True, wrap=0),
        text(sx - 25, 1, 25, lh, "Totales", bold=True, size=s, align="right"),
        text(sx, 1, cw[2], lh, "[FORMATNUM(SUM(percepcion.025))]", bold=True, size=s, align="right"),
        text(sx + cw[2], 1, cw[3], lh, "[FORMATNUM(SUM(deduccion.026))]", bold=True, size=s, align="right"),
        rect(sx - 10, qy, cw[2] + cw[3] + 10, lh + 2, width=0.3, fill=GRAY),
        text(sx - 10, qy + 0.5, 32, lh + 1, "NETO A PAGAR", bold=True, size=s + 1),
        text(sx + 20, qy + 0.5, cw[2] + cw[3] - 20, lh + 1, "[MONEY(neto.029)]", bold=True, size=s + 1, align="right"),
        qr(0, qy, q, VERIFY_URL, visible=STAMPED),
    ]
    # The first stamp rows stop short of the net amount's box; the long ones take the whole width.
    stamp_items, bottom = stamp(tx, qy, [sx - 12 - tx] * 4 + [W - tx], compact)
    sm += stamp_items
    # Half letter: tight, so that a receipt of seven or eight concepts still fits on one page.
    y = max(qy + q, bottom) + (0.5 if compact else 4)
    sig_x = W * 0.6
    sm.append(text(0, y, sig_x - 5, 2 * lh,
                   "Recibí de [Nombre.Empresa] la cantidad neta indicada en este recibo, que cubre el importe de mi "
                   "salario y demás prestaciones del periodo señalado, sin que a la fecha se me adeude cantidad alguna "
                   "por ningún otro concepto.", size=s - 1.5, shrink=True))
    sy = y + (lh if compact else 2 * lh + 4)
    sig_row = 3.6 if compact else 4.5
    sm += signature(sig_x, sy, W - sig_x, "Firma del trabajador", name="[nombre.006]", row=sig_row,
                    size=7 if compact else 8)
    bands.append(band("summary", sy + 2 * sig_row + 1, sm, bottom=True))
    bands.append(band("pagefooter", lh + (1 if compact else 2), [
        text(0, 0.5, W / 2, lh, "[Nombre.Empresa] - Recibo de nómina", size=6.5, color="#555555"),
        text(W / 2, 0.5, W / 2, lh, "Página [PAGE] de [TOTALPAGES]", size=7, align="right"),
    ]))
    return report(bands, page=page, size=s, margin_top=8 if compact else 12, margin_bottom=6 if compact else 10,
                  margin=10 if compact else MARGIN)


@template("ReciboPortalCarta.fr3")
def recibo_carta():
    return receipt("RECIBO DE NÓMINA")


@template("ReciboPortalMediaCarta.fr3")
def recibo_media_carta():
    return receipt("RECIBO DE NÓMINA", page="halfletter", compact=True)


@template("ReciboPortalFDO.fr3")
def recibo_fdo():
    return receipt("RECIBO DE FONDO DE AHORRO")


# Receipt listing: pePortalPatronObtenListadoRecibos
#  1 nomina 2 periodo 3 codigo 4 tipo_nomina 5 nombre_nomina 6 nombre 7 inicio 8 cierre 9 dias
#  10 total_sueldo 11 total_percepciones 12 total_deducciones 13 total_isr 14 total_imss 15 neto
#  16 mail 17 empresa 18 nombre_empresa 19 ayo
@template("listadoRecibos.fr3")
def listado_recibos():
    W = width_of(orientation="landscape")
    head = heading("LISTADO DE RECIBOS DE NÓMINA", W, name="Nombre.Empresa", rfc="RFC.Empresa",
                   regpat="REG_PAT.Empresa", logo=None, address=False)
    extra = [text(0, head[1], W, 5, "Empleado: [codigo.003] [nombre.006]     Ejercicio [ayo.019]", size=9, bold=True)]
    money = lambda n, f: ("[FORMATNUM(%s)]" % f)
    cols = [
        ("Nómina", 14, "[nomina.001]", "center"), ("Periodo", 13, "[periodo.002]", "center"),
        ("Tipo de nómina", 50, "[nombre_nomina.005]", "left", "fit"), ("Inicio", 18, "[inicio.007]", "center"),
        ("Cierre", 18, "[cierre.008]", "center"), ("Días", 10, "[dias.009]", "right"),
        ("Sueldo", 22.4, money(1, "total_sueldo.010"), "right"),
        ("Percepciones", 23, money(1, "total_percepciones.011"), "right"),
        ("Deducciones", 23, money(1, "total_deducciones.012"), "right"),
        ("ISR", 19, money(1, "total_isr.013"), "right"), ("IMSS", 17, money(1, "total_imss.014"), "right"),
        ("Neto", 22, money(1, "total_neto"), "right"),
    ]
    cols[-1] = ("Neto", 22, "[FORMATNUM(neto.015)]", "right")
    x = sum(c[1] for c in cols[:6])
    sm = [line(0, 0.5, W, 0.5, width=0.4), text(0, 1, x, 5, "Totales ([COUNT()] recibos)", bold=True)]
    for caption, w, expr, align, *_ in cols[6:]:
        field = expr[len("[FORMATNUM("):-2]
        sm.append(text(x, 1, w, 5, f"[FORMATNUM(SUM({field}))]", bold=True, align="right"))
        x += w
    return listing(None, cols, W, head, extra_title=extra, summary=band("summary", 8, sm), orientation="landscape")


# ---------------------------------------------------------------------------------------------
# Vacations, absences, overtime

@template("peVacaciones.fr3")
def pe_vacaciones():
    # peListadoVacacionesPantalla: 1 codigo 2 aniversario 3 fecha_disfrute 4 dias_tabulados
    # 5 dias_disfrutados 6 dias_antiguedad 7 prima_pct 8 prima_importe 9 prima_dias 10 descansos
    # 11 festivos 12 estado 13 nombre 14 fecha_antiguedad
    W = width_of()
    head = heading("HISTORIAL DE VACACIONES", W)
    extra = [text(0, head[1], W, 5, "Empleado: [codigo.001] [nombre.013]     Antigüedad desde: [fecha_antiguedad.014]",
                  bold=True)]
    cols = [
        ("Aniversario", 22, "[aniversario.002]", "center"), ("Fecha", 24, "[fecha_disfrute.003]", "center"),
        ("Días por ley", 24, "[dias_tabulados.004]", "right"), ("Disfrutados", 24, "[dias_disfrutados.005]", "right"),
        ("Prima %", 18, "[FORMATNUM(prima_pct.007, 0)]", "right"), ("Prima $", 27, "[FORMATNUM(prima_importe.008)]", "right"),
        ("Descansos", 20, "[descansos.010]", "right"), ("Estado", W - 159, "[estado.012]", "center"),
    ]
    sm = [line(0, 0.5, W, 0.5, width=0.4), text(0, 1, 70, 5, "Total de días disfrutados", bold=True),
          text(70, 1, 24, 5, "[SUM(dias_disfrutados.005)]", bold=True, align="right"),
          text(94, 1, 45, 5, "Prima vacacional", bold=True, align="right"),
          text(139, 1, 27, 5, "[FORMATNUM(SUM(prima_importe.008))]", bold=True, align="right")]
    return listing(None, cols, W, head, extra_title=extra, summary=band("summary", 8, sm))


@template("VacAusAnual2.fr3")
def vac_aus_anual():
    # GetAbsentimsForYear: 1 mes 2 vacaciones 3 faltas 4 incapacidades 5 permisos 6 ayo 7 codigo
    W = width_of()
    head = heading("RESUMEN ANUAL DE VACACIONES Y AUSENTISMOS", W, name="ANY(Nombre.Empresa, NombreE)",
                   rfc="ANY(R.F.C.Empresa, RFCE)", regpat="ANY(Registro.Patronal, RegPatE)", address=False)
    extra = [text(0, head[1], W, 5, "Empleado: [codigo.007]     Ejercicio: [ayo.006]     Nómina: [ANY(Nomina)]"
                  "     Periodo: [ANY(Periodo)] ([ANY(Inicio)] al [ANY(Cierre)])", bold=True)]
    meses = ("IIF(mes.001 = 1, 'Enero', IIF(mes.001 = 2, 'Febrero', IIF(mes.001 = 3, 'Marzo', IIF(mes.001 = 4, 'Abril', "
             "IIF(mes.001 = 5, 'Mayo', IIF(mes.001 = 6, 'Junio', IIF(mes.001 = 7, 'Julio', IIF(mes.001 = 8, 'Agosto', "
             "IIF(mes.001 = 9, 'Septiembre', IIF(mes.001 = 10, 'Octubre', IIF(mes.001 = 11, 'Noviembre', "
             "'Diciembre')))))))))))")
    cols = [("Mes", 45, f"[{meses}]", "left"), ("Vacaciones", 35, "[vacaciones.002]", "right"),
            ("Faltas", 35, "[faltas.003]", "right"), ("Incapacidades", 35, "[incapacidades.004]", "right"),
            ("Permisos", W - 150, "[permisos.005]", "right")]
    sm = [line(0, 0.5, W, 0.5, width=0.4), text(0, 1, 45, 5, "Total del año", bold=True)]
    x = 45
    for f, w in (("vacaciones.002", 35), ("faltas.003", 35), ("incapacidades.004", 35), ("permisos.005", W - 150)):
        sm.append(text(x, 1, w, 5, f"[SUM({f})]", bold=True, align="right"))
        x += w
    return listing(None, cols, W, head, extra_title=extra, summary=band("summary", 8, sm))


@template("peAusentismos.fr3")
def pe_ausentismos():
    # peListadoAusentismo: 1 mes 2 dias 3 concepto 4 descripcion 5 justificar 6 fecha 7 ayo 8 codigo 9 nombre
    W = width_of()
    head = heading("LISTADO DE AUSENTISMOS", W)
    extra = [text(0, head[1], W, 5, "Empleado: [codigo.008] [nombre.009]", bold=True)]
    cols = [("Fecha", 26, "[fecha.006]", "center"), ("Concepto", 22, "[concepto.003]", "left"),
            ("Descripción", W - 26 - 22 - 20 - 30, "[descripcion.004]", "left"), ("Días", 20, "[dias.002]", "right"),
            ("Justificada", 30, "[IIF(SUBSTR(justificar.005, 1, 1) = 'S', 'Sí', 'No')]", "center")]
    sm = [line(0, 0.5, W, 0.5, width=0.4), text(0, 1, W - 50, 5, "Total de días", bold=True, align="right"),
          text(W - 50, 1, 20, 5, "[SUM(dias.002)]", bold=True, align="right")]
    return listing(None, cols, W, head, extra_title=extra, summary=band("summary", 8, sm))


@template("peTiempoExtra.fr3")
def pe_tiempo_extra():
    # peListadoTiempoExtra: 1 periodo 2 mes 3 concepto 4 descripcion 5 horas 6 fecha 7 ayo 8 codigo 9 nombre
    W = width_of()
    head = heading("LISTADO DE TIEMPO EXTRA", W)
    extra = [text(0, head[1], W, 5, "Empleado: [codigo.008] [nombre.009]", bold=True)]
    cols = [("Fecha", 26, "[fecha.006]", "center"), ("Periodo", 20, "[periodo.001]", "right"),
            ("Concepto", 22, "[concepto.003]", "left"), ("Descripción", W - 26 - 20 - 22 - 25, "[descripcion.004]", "left"),
            ("Horas", 25, "[FORMATNUM(horas.005, 1)]", "right")]
    sm = [line(0, 0.5, W, 0.5, width=0.4), text(0, 1, W - 25, 5, "Total de horas", bold=True, align="right"),
          text(W - 25, 1, 25, 5, "[FORMATNUM(SUM(horas.005), 1)]", bold=True, align="right")]
    return listing(None, cols, W, head, extra_title=extra, summary=band("summary", 8, sm))


# Vacation request forms: peSolicitudVacaciones
#  1 empresa 2 codigo 3 nombre 4 puesto 5 departamento 6 fecha_antiguedad 7 anios 8 nombre_empresa
#  9 rfc_empresa 10 registro_patronal 11 supervisor 12 fecha
def employee_box(W, y, rows, s=9):
    items = [rect(0, y, W, len(rows) * 6 + 2, width=0.2)]
    for i, (left, right) in enumerate(rows):
        items.append(text(2, y + 1 + i * 6, W * 0.6 - 2, 6, left, size=s))
        if right:
            items.append(text(W * 0.6, y + 1 + i * 6, W * 0.4 - 2, 6, right, size=s))
    return items, y + len(rows) * 6 + 2


def vacation_request(with_signatures):
    W = width_of()
    items, h = heading("SOLICITUD DE VACACIONES", W, name="Empresa", rfc="RFC", regpat='"Registro Patronal"')
    box, y = employee_box(W, h + 2, [
        ("No. de empleado: [codigo.002]", "Fecha de solicitud: [fecha.012]"),
        ("Nombre: [nombre.003]", "Fecha de ingreso: [fecha_antiguedad.006]"),
        ("Puesto: [puesto.004]", "Años de servicio: [anios.007]"),
        ("Departamento: [departamento.005]", "Jefe inmediato: [supervisor.011]"),
    ])
    items += box
    y += 6
    items.append(text(0, y, W, 6, "Por medio de la presente solicito disfrutar de mis vacaciones conforme a lo siguiente:",
                      size=10))
    y += 9
    table = [("Días de vacaciones a que tengo derecho", "[TRIM(DiasSaldo)]"),
             ("Días que solicito", "[TRIM(DiasSolicitar)]"),
             ("A partir del día", "[FORMATDATE(Fecha)]"),
             ("Días que me quedarán disponibles", "[TRIM(DiasDisponibles)]")]
    for i, (caption, value) in enumerate(table):
        items.append(rect(20, y + i * 7, W - 40, 7, width=0.2, fill=GRAY if i % 2 == 0 else None))
        items.append(text(22, y + i * 7 + 0.8, W - 80, 6, caption, size=10))
        items.append(text(W - 60, y + i * 7 + 0.8, 38, 6, value, size=10, bold=True, align="right"))
    y += len(table) * 7 + 8
    items.append(text(0, y, W, 12,
                      "Manifiesto que las fechas solicitadas quedan sujetas a la autorización de mi jefe inmediato y "
                      "del departamento de Recursos Humanos, de acuerdo con los artículos 76 al 81 de la Ley Federal "
                      "del Trabajo.", size=9, stretch=True))
    y += 16
    items.append(text(0, y, W, 6, "[ANY(entidadEmpresa)], a [LONGDATE(fecha.012)]", size=9.5, align="right"))
    y += 10
    if with_signatures:
        y += 22
        third = (W - 20) / 3
        items += signature(0, y, third, "Solicita", name="[nombre.003]")
        items += signature(third + 10, y, third, "Autoriza jefe inmediato", name="[supervisor.011]")
        items += signature(2 * (third + 10), y, third, "Recursos Humanos")
        y += 12
    return report([band("title", y, items), footer(W)])


@template("peSolicitudVacaciones.fr3")
def pe_solicitud_vacaciones():
    return vacation_request(True)


@template("peSolicitudVacacionesSF.fr3")
def pe_solicitud_vacaciones_sf():
    return vacation_request(False)


@template("peConstanciaVacaciones.fr3")
def pe_constancia_vacaciones():
    # The vacation form of the reports screen: the employee's data, the days to be filled in by hand.
    W = width_of()
    items, h = heading("FORMATO DE VACACIONES", W)
    box, y = employee_box(W, h + 2, [
        ("No. de empleado: [codigo.002]", "Fecha: [fecha.012]"),
        ("Nombre: [nombre.003]", "Fecha de ingreso: [fecha_antiguedad.006]"),
        ("Puesto: [puesto.004]", "Años de servicio: [anios.007]"),
        ("Departamento: [departamento.005]", "Jefe inmediato: [supervisor.011]"),
    ])
    items += box
    y += 8
    for i, caption in enumerate(("Periodo vacacional (año de servicio):",
                                 "Días a disfrutar:", "Del día:", "Al día:", "Fecha de regreso a labores:")):
        items.append(text(10, y + i * 9, 80, 6, caption, size=10))
        items.append(line(92, y + i * 9 + 5.5, W - 10, y + i * 9 + 5.5, width=0.2))
    y += 5 * 9 + 6
    items.append(text(0, y, W, 10, "Observaciones:", size=10))
    items.append(rect(0, y + 6, W, 22, width=0.2))
    y += 60
    third = (W - 20) / 3
    items += signature(0, y, third, "Trabajador", name="[nombre.003]")
    items += signature(third + 10, y, third, "Jefe inmediato", name="[supervisor.011]")
    items += signature(2 * (third + 10), y, third, "Recursos Humanos", picture_src="[ANY(Firma)]")
    return report([band("title", y + 12, items), footer(W)])


@template("rptSolicitudVacacionesIDSolicitud.fr3")
def rpt_solicitud():
    W = width_of()
    items, h = heading("[ANY(titulo)]", W)
    box, y = employee_box(W, h + 2, [
        ("No. de empleado: [TRIM(ANY(Codigo, codigo.002))]", "Fecha: [fecha.012]"),
        ("Nombre: [ANY(NombreTrabajador, nombre.003)]", "Fecha de ingreso: [fecha_antiguedad.006]"),
        ("Puesto: [puesto.004]", "Departamento: [departamento.005]"),
    ])
    items += box
    y += 8
    rows = [
        ("Tipo de solicitud", "[IIF(ANY(tipo) = 3, 'Préstamo', IIF(ANY(tipo) = 2, 'Permiso', 'Vacaciones'))]"),
        ("Días solicitados", "[IIF(ANY(tipo) = 3, 'No aplica', TRIM(ANY(DiasSolicita)))]"),
        ("A partir del día", "[IIF(ANY(tipo) = 3, 'No aplica', FORMATDATE(TRIM(ANY(Apartir))))]"),
        ("Importe solicitado", "[IIF(ANY(tipo) = 3, MONEY(VAL(ANY(ImporteSolicita))), 'No aplica')]"),
        ("Días disponibles", "[IIF(EMPTY(ANY(DiasAntiguedad)), '-', TRIM(ANY(DiasAntiguedad)))]"),
    ]
    for i, (caption, value) in enumerate(rows):
        items.append(rect(20, y + i * 7, W - 40, 7, width=0.2, fill=GRAY if i % 2 == 0 else None))
        items.append(text(22, y + i * 7 + 0.8, 70, 6, caption, size=10))
        items.append(text(92, y + i * 7 + 0.8, W - 114, 6, value, size=10, bold=True, align="right"))
    y += len(rows) * 7 + 6
    items.append(text(0, y, W, 6, "Motivo de la solicitud:", size=10, bold=True))
    items.append(text(0, y + 6, W, 12, "[ANY(Motivo)]", size=10, border="1", padding=2, stretch=True))
    items.append(text(0, y + 22, W, 6,
                      "La presente solicitud queda sujeta a la autorización del flujo correspondiente.",
                      size=8.5, italic=True, float=True))
    y += 56
    third = (W - 20) / 3
    sig = signature(0, y, third, "Solicita", name="[ANY(NombreTrabajador, nombre.003)]")
    sig += signature(third + 10, y, third, "Jefe inmediato", name="[supervisor.011]")
    sig += signature(2 * (third + 10), y, third, "Recursos Humanos", picture_src="[ANY(Firma)]")
    for s in sig:
        items.append(s.replace("<line ", "<line ").replace("<text ", '<text float="1" ').replace(
            "<picture ", "<picture float=\"1\" ").replace("<line ", '<line float="1" '))
    return report([band("title", y + 12, items), footer(W)])


# ---------------------------------------------------------------------------------------------
# Documents of the reports screen

@template("peInformacionGeneral.fr3")
def pe_informacion_general():
    W = width_of()
    items, h = heading("INFORMACIÓN GENERAL DEL TRABAJADOR", W)
    sections = [
        ("Datos del trabajador", [
            ("No. de empleado", "[codigo.002]"), ("Nombre", "[nombre.003] [ap_paterno.004] [ap_materno.005]"),
            ("R.F.C.", "[rfc.006]"), ("CURP", "[curp.007]"), ("No. de afiliación IMSS", "[afiliacion.008]"),
            ("Fecha de nacimiento", "[fecha_nacimiento.020]"), ("Edad", "[edad.023] años"), ("Sexo", "[IIF(sexo.022 = 'M', 'Mujer', IIF(sexo.022 = 'H', 'Hombre', ''))]"),
            ("Estado civil", "[estado_civil.018]"), ("Nacionalidad", "[nacionalidad.024]"),
        ]),
        ("Datos laborales", [
            ("Fecha de alta", "[fecha_alta.009]"), ("Puesto", "[puesto.010]"), ("Departamento", "[departamento.011]"),
            ("Tipo de nómina", "[tipo_nomina.028]"), ("Horario", "[horario.029]"),
            ("Salario diario", "[IIF(ANY(Sueldo) = 'S', MONEY(sueldo_diario.013), '*****')]"),
            ("Banco", "[banco.026]"), ("Cuenta", "[IIF(ANY(Sueldo) = 'S', cuenta.027, '*****')]"),
            ("UMF", "[umf.025]"),
        ]),
        ("Domicilio y contacto", [
            ("Domicilio", "[domicilio.014]"), ("Colonia", "[colonia.015]"), ("Población", "[poblacion.016]"),
            ("Municipio", "[municipio.034]"), ("Código postal", "[codpostal.017]"), ("Teléfono", "[telefono.019]"),
            ("Correo electrónico", "[email.021]"),
        ]),
        ("Familia", [
            ("Padre", "[padre.030]"), ("Madre", "[madre.031]"), ("Cónyuge", "[conyuge.033]"), ("Hijos", "[hijos.032]"),
        ]),
    ]
    y = h + 2
    for title, fields in sections:
        items.append(rect(0, y, W, 6, width=0.2, fill=GRAY))
        items.append(text(1, y + 0.5, W - 2, 5.5, title, bold=True, size=10))
        y += 7
        half = (len(fields) + 1) // 2
        for i, (caption, value) in enumerate(fields):
            col, row = divmod(i, half)
            x = col * W / 2
            items.append(text(x, y + row * 5.5, 36, 5.5, caption + ":", size=8, color="#444444"))
            items.append(text(x + 36, y + row * 5.5, W / 2 - 37, 5.5, value, size=8.5, bold=True))
        y += half * 5.5 + 4
    y += 25
    items += signature(W / 2 - 45, y, 90, "Firma del trabajador", name="[nombre.003] [ap_paterno.004] [ap_materno.005]")
    return report([band("title", y + 12, items), footer(W)])


@template("peCursosTrabajador.fr3")
def pe_cursos():
    # peCursosPorTrabajador: 1 codigo 2 fecha 3 curso 4 horas 5 instructor
    W = width_of()
    head = heading("CURSOS TOMADOS POR EL TRABAJADOR", W)
    extra = [text(0, head[1], W, 5, "No. de empleado: [codigo.001]", bold=True)]
    cols = [("Fecha", 25, "[fecha.002]", "center"), ("Curso", W - 25 - 20 - 60, "[curso.003]", "left"),
            ("Horas", 20, "[FORMATNUM(horas.004, 1)]", "right"), ("Instructor", 60, "[instructor.005]", "left")]
    sm = [line(0, 0.5, W, 0.5, width=0.4),
          text(0, 1, W - 80, 5, "[COUNT()] curso(s), total de horas", bold=True, align="right"),
          text(W - 80, 1, 20, 5, "[FORMATNUM(SUM(horas.004), 1)]", bold=True, align="right")]
    return listing(None, cols, W, head, extra_title=extra, summary=band("summary", 8, sm))


def letter_document(title, paragraphs, sign_caption="Recursos Humanos"):
    W = width_of()
    items, h = heading(title, W)
    y = h + 4
    items.append(text(0, y, W, 6, "[ANY(entidadEmpresa)], a [LONGDATE(DATE)]", align="right", size=10))
    y += 14
    items.append(text(0, y, W, 6, "A QUIEN CORRESPONDA:", bold=True, size=11))
    y += 12
    for p in paragraphs:
        items.append(text(0, y, W, 12, p, size=11, stretch=True, float=True))
        y += 16
    items.append(text(0, y, W, 6, "A T E N T A M E N T E", align="center", bold=True, size=11, float=True))
    y += 34
    for s in signature(W / 2 - 45, y, 90, sign_caption, name="[NombreE]", picture_src="[ANY(Firma)]"):
        items.append(s.replace("<text ", '<text float="1" ').replace("<line ", '<line float="1" ')
                     .replace("<picture ", '<picture float="1" '))
    return report([band("title", y + 12, items), footer(W)])


@template("peConstanciaTrabajo.fr3")
def pe_constancia_trabajo():
    # peConstanciaTrabajo: 1 codigo 2 nombre 3 rfc 4 afiliacion 5 puesto 6 departamento 7 fecha_alta
    # 8 sueldo_diario 9 sueldo_mensual 10 nombre_empresa 11 direccion_empresa 12 fecha
    return letter_document("CONSTANCIA LABORAL", [
        "Por medio de la presente se hace constar que el(la) C. [nombre.002], con R.F.C. [rfc.003] y número de "
        "afiliación al IMSS [afiliacion.004], presta sus servicios en [NombreE] desde el [fecha_alta.007], "
        "con el puesto de [puesto.005] en el departamento de [departamento.006].",
        "[IIF(ANY(Sueldo) = 'S', 'Percibe un salario diario de ' & MONEY(sueldo_diario.008) & ' (' & "
        "NUMTOWORDS(sueldo_diario.008) & '), equivalente a ' & MONEY(sueldo_mensual.009) & ' mensuales.', "
        "'')]",
        "Se extiende la presente a petición del interesado para los fines legales que a este convengan.",
    ])


@template("peCartaAntiguedad.fr3")
def pe_carta_antiguedad():
    # peConstanciaAntiguedad: 1 codigo 2 nombre 3 fecha_antiguedad 4 anios 5 meses 6 puesto
    # 7 nombre_empresa 8 fecha
    return letter_document("CONSTANCIA DE ANTIGÜEDAD", [
        "Por medio de la presente se hace constar que el(la) C. [nombre.002], número de empleado [codigo.001], "
        "labora en [NombreE] desde el [fecha_antiguedad.003], con el puesto de [puesto.006], por lo que a la "
        "fecha cuenta con una antigüedad de [anios.004] año(s) y [meses.005] mes(es).",
        "A la fecha tiene un saldo de [TRIM(ANY(saldoAnterior))] día(s) de vacaciones pendientes de disfrutar "
        "correspondientes a los años de servicio cumplidos.",
        "Se extiende la presente a petición del interesado para los fines legales que a este convengan.",
    ])


def loans(title):
    # pePrestamoInfonavit / peFondoDEAhorro / pePrestamosOtrasDeducciones:
    #  1 codigo 2 folio 3 fecha 4 importe 5 descuento 6 saldo
    W = width_of()
    head = heading(title, W)
    extra = [text(0, head[1], W, 5, "No. de empleado: [codigo.001]", bold=True)]
    cols = [("Folio", 35, "[folio.002]", "left"), ("Fecha de otorgamiento", 40, "[fecha.003]", "center"),
            ("Importe", 37, "[FORMATNUM(importe.004)]", "right"), ("Descuento", 37, "[FORMATNUM(descuento.005)]", "right"),
            ("Saldo", W - 149, "[FORMATNUM(saldo.006)]", "right")]
    sm = [line(0, 0.5, W, 0.5, width=0.4), text(0, 1, 75, 5, "Totales", bold=True),
          text(75, 1, 37, 5, "[FORMATNUM(SUM(importe.004))]", bold=True, align="right"),
          text(112, 1, 37, 5, "[FORMATNUM(SUM(descuento.005))]", bold=True, align="right"),
          text(149, 1, W - 149, 5, "[FORMATNUM(SUM(saldo.006))]", bold=True, align="right")]
    return listing(None, cols, W, head, extra_title=extra, summary=band("summary", 8, sm))


@template("pePrestamosInfonavit.fr3")
def pe_infonavit():
    return loans("CRÉDITOS INFONAVIT")


@template("pePrestamosFondoAhorro.fr3")
def pe_fondo_ahorro():
    return loans("PRÉSTAMOS DEL FONDO DE AHORRO")


@template("pePrestamosOtrasDeducciones.fr3")
def pe_otras():
    return loans("OTROS PRÉSTAMOS")


def movements(title):
    # peMovimientosIMSS / peMovimientosSueldo: 1 codigo 2 fecha 3 movimiento 4 sueldo_anterior 5 sueldo_nuevo
    W = width_of()
    head = heading(title, W)
    extra = [text(0, head[1], W, 5, "No. de empleado: [codigo.001]", bold=True)]
    cols = [("Fecha", 30, "[fecha.002]", "center"), ("Movimiento", W - 30 - 90, "[movimiento.003]", "left"),
            ("Salario anterior", 45, "[FORMATNUM(sueldo_anterior.004)]", "right"),
            ("Salario nuevo", 45, "[FORMATNUM(sueldo_nuevo.005)]", "right")]
    sm = [line(0, 0.5, W, 0.5, width=0.4), text(0, 1, W, 5, "[COUNT()] movimiento(s)", bold=True)]
    return listing(None, cols, W, head, extra_title=extra, summary=band("summary", 8, sm))


@template("peMovimientosIMSS.fr3")
def pe_mov_imss():
    return movements("MOVIMIENTOS AFILIATORIOS ANTE EL IMSS")


@template("peMovimientosSueldo.fr3")
def pe_mov_sueldo():
    return movements("MOVIMIENTOS DE SUELDO")


# ---------------------------------------------------------------------------------------------
# Authorization flows: PortalEmpleado_ListadoFlujosAsignados
#  1 idflujo 2 flujo 3 orden 4 aprobador 5 nombre_aprobador 6 empleados 7 total_empleados
def flows(title):
    W = width_of()
    items = [text(0, 0, W, 7, "[TRIM(NombreE)]", size=13, bold=True, color=DARK, shrink=True, wrap=0),
             line(0, 9, W, 9, width=0.6, color=DARK), text(0, 11, W, 7, title, size=12, bold=True, align="center")]
    head = (items, 20)
    cols = [("Orden", 20, "[orden.003]", "center"), ("Código", 25, "[aprobador.004]", "right"),
            ("Aprobador", W - 45, "[nombre_aprobador.005]", "left")]
    group = ("[idflujo.001]",
             [rect(0, 0.5, W, 6, width=0.2, fill="#f2f2f2"),
              text(1, 1, W - 2, 5.5, "Flujo [idflujo.001]: [flujo.002]", bold=True, size=9.5)],
             [text(0, 0.5, W, 6, "Empleados asignados ([total_empleados.007]): [empleados.006]", size=8.5,
                   stretch=True, italic=True)])
    sm = [line(0, 0.5, W, 0.5, width=0.4), text(0, 1, W, 5, "[COUNT()] aprobador(es) en total", bold=True)]
    return listing(None, cols, W, head, group=group, summary=band("summary", 8, sm))


@template("rptReporteDeFlujos_Vacaciones.fr3")
def flujos_vac():
    return flows("REPORTE DE FLUJOS DE VACACIONES")


@template("rptReporteDeFlujos_Ausentismo.fr3")
def flujos_aus():
    return flows("REPORTE DE FLUJOS DE PERMISOS")


@template("rptReporteDeFlujos_Prestamos.fr3")
def flujos_pre():
    return flows("REPORTE DE FLUJOS DE PRÉSTAMOS")


REGISTER = "plantillas.sha256"


def digest(content):
    return hashlib.sha256(content.encode("utf-8")).hexdigest()


def read_file(name):
    if not os.path.exists(name):
        return None
    with open(name, encoding="utf-8", newline="") as f:
        return f.read()


def read_register():
    """What this script last wrote: template name -> digest."""
    register = {}
    for line in (read_file(REGISTER) or "").splitlines():
        if line.strip():
            value, name = line.split(maxsplit=1)
            register[name.strip()] = value
    return register


def main(args):
    unknown = [a for a in args if a not in ("--forzar", "--comprobar")]
    if unknown:
        print("uso: python3 plantillas.py [--forzar | --comprobar]", file=sys.stderr)
        return 2
    wanted = {name: build() for name, build in TEMPLATES.items()}
    register = read_register()
    if "--comprobar" in args:
        different = sorted(n for n, content in wanted.items()
                           if read_file(n) != content or register.get(n) != digest(content))
        for name in different:
            print(f"{name}: no es la que escribe plantillas.py", file=sys.stderr)
        return 1 if different else 0
    # A template on disk that is neither what this run writes nor what the last run wrote was
    # changed by hand: nothing is written until that change is carried over or given up.
    changed = []
    for name, content in wanted.items():
        now = read_file(name)
        if now is not None and now != content and register.get(name) != digest(now):
            changed.append(name)
    if changed and "--forzar" not in args:
        print("No se escribió ninguna plantilla. Cambiaron desde que plantillas.py las escribió "
              "(por ejemplo en el editor de plantillas):", file=sys.stderr)
        for name in sorted(changed):
            print(f"  {name}", file=sys.stderr)
        print("Pase esos cambios a plantillas.py, o ejecute con --forzar para descartarlos.", file=sys.stderr)
        return 1
    for name, content in wanted.items():
        with open(name, "w", encoding="utf-8", newline="") as f:
            f.write(content)
    with open(REGISTER, "w", encoding="utf-8", newline="") as f:
        f.writelines(f"{digest(content)}  {name}\n" for name, content in sorted(wanted.items()))
    print(len(TEMPLATES), "plantillas")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
