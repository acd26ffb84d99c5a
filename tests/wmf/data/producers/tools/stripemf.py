#!/usr/bin/python3
"""stripemf.py IN OUT: drop META_ESCAPE/MFCOMMENT 'WMFC' (embedded EMF) records, fix header size."""
import struct, sys
d=open(sys.argv[1],'rb').read(); off=22 if struct.unpack_from('<I',d,0)[0]==0x9AC6CDD7 else 0
head=bytearray(d[:off+18]); p=off+18; out=bytearray(); maxr=0; dropped=0
while p+6<=len(d):
    size,fn=struct.unpack_from('<IH',d,p); rec=d[p:p+size*2]
    if fn==0x0626 and struct.unpack_from('<H',rec,6)[0]==0x000F and rec[10:14]==b'WMFC':
        dropped+=1
    else:
        out+=rec; maxr=max(maxr,size)
    if fn==0 or size<3: break
    p+=size*2
total=(len(head)-off+len(out))//2
struct.pack_into('<I',head,off+6,total); struct.pack_into('<I',head,off+12,maxr)
open(sys.argv[2],'wb').write(head+out); print('dropped',dropped,'records')
