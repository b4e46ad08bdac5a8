@echo off
rem unregister-user.cmd: see vestrel-regsvr.cmd
call "%~dp0vestrel-regsvr.cmd" /u /user
