#!/usr/bin/python3
"""lo_render.py OUTDIR FILE.wmf...  Render WMFs with LibreOffice's VCL (GraphicProvider) at the
graphic's own natural size (PrefSize converted at 96 dpi). Prints name, size_100thmm, size_px."""
import sys, os, time, subprocess, uno
from com.sun.star.beans import PropertyValue
def P(n,v):
    p=PropertyValue(); p.Name=n; p.Value=v; return p
outdir=sys.argv[1]; files=sys.argv[2:]
proc=subprocess.Popen(['nice','soffice','--headless','--invisible','--norestore','--accept=pipe,name=corpuslo;urp;'],stdout=subprocess.DEVNULL,stderr=subprocess.DEVNULL)
local=uno.getComponentContext()
res=local.ServiceManager.createInstanceWithContext('com.sun.star.bridge.UnoUrlResolver',local)
for i in range(60):
    try:
        ctx=res.resolve('uno:pipe,name=corpuslo;urp;StarOffice.ComponentContext'); break
    except Exception: time.sleep(0.5)
smgr=ctx.ServiceManager
gp=smgr.createInstanceWithContext('com.sun.star.graphic.GraphicProvider',ctx)
try:
    for f in files:
        url=uno.systemPathToFileUrl(os.path.abspath(f))
        g=gp.queryGraphic((P('URL',url),))
        mm=g.getPropertyValue('Size100thMM') if g.getPropertySetInfo().hasPropertyByName('Size100thMM') else None
        if mm is None or mm.Width==0:
            d=gp.queryGraphicDescriptor((P('URL',url),)); mm=d.getPropertyValue('Size100thMM')
        w=round(mm.Width*96/2540); h=round(mm.Height*96/2540)
        b=os.path.basename(f)[:-4]
        out=os.path.join(outdir,b+'.png')
        gp.storeGraphic(g,(P('URL',uno.systemPathToFileUrl(os.path.abspath(out))),P('MimeType','image/png')))
        print(b, '%dx%d(1/100mm)'%(mm.Width,mm.Height), '%dx%d px'%(w,h))
finally:
    try:
        smgr.createInstanceWithContext('com.sun.star.frame.Desktop',ctx).terminate()
    except Exception: pass
    proc.wait(timeout=30)
